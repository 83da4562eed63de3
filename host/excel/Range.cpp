#include "host/excel/Range.h"

#include "host/excel/AreaSet.h"
#include "host/excel/CellVariant.h"
#include "host/excel/ExcelError.h"
#include "host/excel/FormulaText.h"
#include "host/excel/NumberFormat.h"

#include <climits>
#include <cmath>
#include <map>
#include <new>
#include <set>

namespace host {

namespace {

// Past this many cells a read or write of Range.Value fails as Excel runs out of memory.
constexpr std::int64_t kValueCellLimit = 4 * 1048576;

bool IsValidHorizontal(long a) {
    return a == xl::HAlignGeneral || a == xl::HAlignLeft || a == xl::HAlignCenter || a == xl::HAlignRight ||
           a == xl::HAlignFill || a == xl::HAlignJustify || a == xl::HAlignCenterAcrossSelection ||
           a == xl::HAlignDistributed;
}

bool IsValidVertical(long a) {
    return a == xl::VAlignTop || a == xl::VAlignCenter || a == xl::VAlignBottom || a == xl::VAlignJustify ||
           a == xl::VAlignDistributed;
}

Area CheckedArea(const Sheet& sheet, long top, long left, long bottom, long right) {
    Area area{top, left, bottom, right};
    if (!area.IsValid(sheet.Size())) throw ExcelError(message::ObjectDefined);
    return area;
}

long FloorDiv(long a, long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The value of an object written to a cell: its default member, as Excel takes it.
Variant DefaultValueOf(IDispatch* object) {
    if (!object) throw ExcelError(message::ObjectDefined);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = object->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    Variant owned = Variant::Adopt(result);
    if (FAILED(hr) || owned.Type() == VT_DISPATCH) throw ExcelError(message::ObjectDefined);
    return owned;
}

// One element of a SAFEARRAY as a VARIANT.
Variant ArrayElement(SAFEARRAY* array, VARTYPE elementType, LONG* indices) {
    VARIANT element;
    VariantInit(&element);
    HRESULT hr = S_OK;
    if (elementType == VT_VARIANT) {
        hr = SafeArrayGetElement(array, indices, &element);
    } else if (elementType == VT_DECIMAL) {
        DECIMAL d;
        hr = SafeArrayGetElement(array, indices, &d);
        element.decVal = d;
        element.vt = VT_DECIMAL;
    } else {
        switch (elementType) {
        case VT_BSTR:
        case VT_I1:
        case VT_I2:
        case VT_I4:
        case VT_I8:
        case VT_INT:
        case VT_UI1:
        case VT_UI2:
        case VT_UI4:
        case VT_UI8:
        case VT_UINT:
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
        case VT_BOOL:
        case VT_ERROR:
            hr = SafeArrayGetElement(array, indices, &element.llVal);
            element.vt = elementType;
            break;
        default: throw ExcelError(message::ObjectDefined);
        }
    }
    if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
    if (FAILED(hr)) throw ExcelError(message::ObjectDefined);
    return Variant::Adopt(element);
}

Variant Tristate(std::int64_t count, std::int64_t total) {
    if (count == total) return Variant::Bool(true);
    if (count == 0) return Variant::Bool(false);
    return Variant::Null();
}

}  // namespace

Range::Range(std::shared_ptr<Sheet> sheet, std::vector<Area> areas, RangeMode mode)
    : m_sheet(std::move(sheet)), m_areas(std::move(areas)), m_mode(mode) {
    if (m_areas.empty()) m_areas.push_back(Area::Cell(1, 1));
}

std::int64_t Range::TotalCells() const {
    std::int64_t total = 0;
    for (const auto& area : m_areas) total += area.CellCount();
    return total;
}

long Range::Count() const {
    std::int64_t count = 0;
    switch (m_mode) {
    case RangeMode::Cells: count = TotalCells(); break;
    case RangeMode::Rows: count = FirstArea().Rows(); break;
    case RangeMode::Columns: count = FirstArea().Columns(); break;
    }
    if (count > LONG_MAX) throw ExcelError(message::Overflow, DISP_E_OVERFLOW);
    return long(count);
}

Range Range::EntireColumn() const {
    std::vector<Area> areas;
    for (const auto& a : m_areas) areas.push_back({1, a.left, m_sheet->Size().rows, a.right});
    return Range(m_sheet, areas, RangeMode::Columns);
}

Range Range::EntireRow() const {
    std::vector<Area> areas;
    for (const auto& a : m_areas) areas.push_back({a.top, 1, a.bottom, m_sheet->Size().columns});
    return Range(m_sheet, areas, RangeMode::Rows);
}

Range Range::Item(long index) const {
    const Area& a = FirstArea();
    switch (m_mode) {
    case RangeMode::Rows: {
        long row = a.top + index - 1;
        return Range(m_sheet, {CheckedArea(*m_sheet, row, a.left, row, a.right)}, RangeMode::Rows);
    }
    case RangeMode::Columns: {
        long column = a.left + index - 1;
        return Range(m_sheet, {CheckedArea(*m_sheet, a.top, column, a.bottom, column)}, RangeMode::Columns);
    }
    case RangeMode::Cells: break;
    }
    long columns = a.Columns();
    long offset = index - 1;
    long row = a.top + FloorDiv(offset, columns);
    long column = a.left + (offset - FloorDiv(offset, columns) * columns);
    return Range(m_sheet, {CheckedArea(*m_sheet, row, column, row, column)});
}

Range Range::Item(long row, long column) const {
    const Area& a = FirstArea();
    long r = a.top + row - 1;
    long c = a.left + column - 1;
    return Range(m_sheet, {CheckedArea(*m_sheet, r, c, r, c)});
}

Range Range::AreaAt(long index) const {
    if (index < 1 || index > long(m_areas.size())) throw ExcelError(message::UnableToGet(L"Item", L"Areas"));
    return Range(m_sheet, {m_areas[size_t(index - 1)]});
}

Range Range::MergeArea() const {
    const Area& a = FirstArea();
    auto merged = m_sheet->MergedAreaAt(a.top, a.left);
    if (merged && (a.IsSingleCell() || merged->Contains(a))) return Range(m_sheet, {*merged});
    if (a.IsSingleCell()) return Range(m_sheet, {a});
    return *this;
}

Range Range::Offset(long rows, long columns) const {
    std::vector<Area> areas;
    for (const auto& a : m_areas)
        areas.push_back(CheckedArea(*m_sheet, a.top + rows, a.left + columns, a.bottom + rows, a.right + columns));
    return Range(m_sheet, areas);
}

Range Range::Resize(std::optional<long> rows, std::optional<long> columns) const {
    const Area& a = FirstArea();
    long height = rows.value_or(a.Rows());
    long width = columns.value_or(a.Columns());
    if (height < 1 || width < 1) throw ExcelError(message::ObjectDefined);
    return Range(m_sheet, {CheckedArea(*m_sheet, a.top, a.left, a.top + height - 1, a.left + width - 1)});
}

std::wstring Range::Address(AddressOptions options) const {
    options.sheetName = m_sheet->Name();
    options.workbookName = m_sheet->WorkbookName();
    options.sheetSize = m_sheet->Size();
    return FormatAddress(m_areas, options);
}

// ---- Values

namespace {

// Range.Value and Range.Formula of several cells: a 2-D array of VARIANTs from 1, rows first, whose element
// for each stored cell is cellValue(row, column, stored); the others stay `blank`.
template <class CellValueOf>
Variant CellsArray(const Sheet& sheet, const Area& a, const Variant& blank, CellValueOf cellValue) {
    if (a.CellCount() > kValueCellLimit) throw ExcelError(message::OutOfMemory, E_OUTOFMEMORY);
    SAFEARRAYBOUND bounds[2] = {{ULONG(a.Rows()), 1}, {ULONG(a.Columns()), 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    if (!array) throw std::bad_alloc();
    Variant result = Variant::AdoptArray(array, VT_VARIANT);
    VARIANT* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)))) throw std::bad_alloc();
    // The first dimension varies fastest in a SAFEARRAY.
    const std::int64_t rows = a.Rows();
    try {
        sheet.ForEachStored(a, [&](long r, long c, const Sheet::Stored& stored) {
            VARIANT& element = data[(r - a.top) + std::int64_t(c - a.left) * rows];
            Variant value = cellValue(r, c, stored);
            VariantClear(&element);
            value.MoveTo(&element);
        });
        // The cells nothing is stored for, after the others: a cell is filled once.
        if (blank.Type() != VT_EMPTY) {
            for (std::int64_t i = 0; i < a.CellCount(); ++i)
                if (data[i].vt == VT_EMPTY) Variant(blank).MoveTo(&data[i]);
        }
    } catch (...) {
        SafeArrayUnaccessData(array);
        throw;
    }
    SafeArrayUnaccessData(array);
    return result;
}

}  // namespace

Variant Range::Value(bool value2) const {
    const Area& a = FirstArea();
    const Sheet& sheet = *m_sheet;
    if (a.IsSingleCell()) {
        const Sheet::Stored* stored = sheet.Find(a.top, a.left);
        return CellToVariant(stored, sheet.NumberFormatOf(stored, a.top, a.left), value2);
    }
    return CellsArray(sheet, a, Variant::Empty(), [&](long r, long c, const Sheet::Stored& stored) {
        return CellToVariant(&stored, sheet.NumberFormatOf(&stored, r, c), value2);
    });
}

Variant Range::Formula() const {
    const Area& a = FirstArea();
    const Sheet& sheet = *m_sheet;
    std::wstring text;
    if (a.IsSingleCell()) {
        FormulaTextInto(sheet.Find(a.top, a.left), IsDateFormat(sheet.NumberFormatAt(a.top, a.left)), text);
        return Variant::String(text);
    }
    // Neighbouring cells mostly share one format: it is looked up again only when it changes.
    const std::wstring* lastFormat = nullptr;
    bool lastIsDate = false;
    // Empty cells are empty strings, not Empty.
    return CellsArray(sheet, a, Variant::String(std::wstring()), [&](long r, long c, const Sheet::Stored& stored) {
        const std::wstring& format = sheet.NumberFormatOf(&stored, r, c);
        if (!lastFormat || (&format != lastFormat && format != *lastFormat)) {
            lastFormat = &format;
            lastIsDate = IsDateFormat(format);
        }
        FormulaTextInto(&stored, lastIsDate, text);
        return Variant::String(text);
    });
}

void Range::CheckContentChange(bool topLeftOfMergeAllowed) const {
    if (m_sheet->IsProtected()) throw ExcelError(message::Protected);
    for (const auto& area : m_areas) {
        if (m_sheet->CutsMergedArea(area)) {
            auto merged = m_sheet->MergedAreaAt(area.top, area.left);
            bool topLeft = topLeftOfMergeAllowed && area.IsSingleCell() && merged && merged->top == area.top &&
                           merged->left == area.left;
            if (!topLeft) throw ExcelError(message::MergedPart);
        }
        if (m_sheet->CutsArray(area)) throw ExcelError(message::ArrayPart);
    }
}

bool Range::IsHiddenByMerge(long row, long column, const std::vector<Area>& merged) const {
    for (const auto& m : merged) {
        if (m.Contains(row, column)) return !(m.top == row && m.left == column);
    }
    return false;
}

void Range::SetValue(const VARIANT& value, const InputLocale& locale) {
    Variant owned = Variant::CopyOf(value);
    if (owned.Type() == VT_DISPATCH) owned = DefaultValueOf(owned.Get().pdispVal);
    CheckContentChange(true);
    bool isArray = (owned.Type() & VT_ARRAY) != 0;
    for (const auto& area : m_areas) {
        if (isArray)
            WriteArray(area, owned.Get(), locale);
        else
            WriteScalar(area, owned.Get(), locale);
    }
}

void Range::WriteScalar(const Area& area, const VARIANT& value, const InputLocale& locale) {
    bool clears = value.vt == VT_EMPTY || value.vt == VT_NULL ||
                  (value.vt == VT_BSTR && (!value.bstrVal || SysStringLen(value.bstrVal) == 0));
    if (clears) {
        m_sheet->EraseContent(area);
        m_sheet->RemoveArraysWithin(area);
        return;
    }
    if (value.vt == VT_R8 && !std::isfinite(value.dblVal)) throw ExcelError(message::ObjectDefined);
    if (area.CellCount() > kValueCellLimit) throw ExcelError(message::OutOfMemory, E_OUTOFMEMORY);
    const std::vector<Area> merged = m_sheet->MergedAreasMeeting(area);
    // One parse per number format met (a text-formatted cell keeps a string as text).
    std::map<std::wstring, ParsedInput> parsed;
    for (long r = area.top; r <= area.bottom; ++r) {
        for (long c = area.left; c <= area.right; ++c) {
            if (IsHiddenByMerge(r, c, merged)) continue;
            std::wstring format = m_sheet->NumberFormatAt(r, c);
            auto it = parsed.find(format);
            if (it == parsed.end())
                it = parsed.emplace(format, InputFromVariant(value, format, locale, m_sheet->Limits())).first;
            const ParsedInput& input = it->second;
            m_sheet->StoreContent(r, c, input.value, input.isFormula, input.formula, input.prefixed,
                                  input.numberFormat);
        }
    }
    m_sheet->RemoveArraysWithin(area);
}

void Range::WriteArray(const Area& area, const VARIANT& value, const InputLocale& locale) {
    SAFEARRAY* array = (value.vt & VT_BYREF) ? *value.pparray : value.parray;
    VARTYPE elementType = VARTYPE(value.vt & VT_TYPEMASK);
    if (!array) throw ExcelError(message::ObjectDefined);
    UINT dims = SafeArrayGetDim(array);
    if (dims != 1 && dims != 2) throw ExcelError(message::ObjectDefined);
    LONG lower1 = 0, upper1 = -1, lower2 = 0, upper2 = -1;
    SafeArrayGetLBound(array, 1, &lower1);
    SafeArrayGetUBound(array, 1, &upper1);
    if (dims == 2) {
        SafeArrayGetLBound(array, 2, &lower2);
        SafeArrayGetUBound(array, 2, &upper2);
    }
    // A 1-D array is one row.
    long rows = dims == 2 ? upper1 - lower1 + 1 : 1;
    long columns = dims == 2 ? upper2 - lower2 + 1 : upper1 - lower1 + 1;
    if (area.CellCount() > kValueCellLimit) throw ExcelError(message::OutOfMemory, E_OUTOFMEMORY);
    const std::vector<Area> merged = m_sheet->MergedAreasMeeting(area);
    // Read everything first, so that a bad element leaves the cells as they were.
    struct Write {
        long row;
        long column;
        ParsedInput input;
    };
    std::vector<Write> writes;
    for (long i = 0; i < area.Rows(); ++i) {
        for (long j = 0; j < area.Columns(); ++j) {
            long r = area.top + i;
            long c = area.left + j;
            if (IsHiddenByMerge(r, c, merged)) continue;
            long si = rows == 1 ? 0 : i;
            long sj = columns == 1 ? 0 : j;
            std::wstring format = m_sheet->NumberFormatAt(r, c);
            ParsedInput input;
            if (si >= rows || sj >= columns || rows <= 0 || columns <= 0) {
                input.value = CellValue::Error(xl::ErrNA);
            } else {
                LONG indices[2];
                if (dims == 2) {
                    indices[0] = lower1 + si;
                    indices[1] = lower2 + sj;
                } else {
                    indices[0] = lower1 + sj;
                }
                Variant element = ArrayElement(array, elementType, indices);
                if (element.Type() == VT_DISPATCH) element = DefaultValueOf(element.Get().pdispVal);
                if (element.Type() & VT_ARRAY) throw ExcelError(message::ObjectDefined);
                if (element.Type() == VT_R8 && !std::isfinite(element.Get().dblVal)) {
                    throw ExcelError(message::ObjectDefined);
                }
                input = InputFromVariant(element.Get(), format, locale, m_sheet->Limits());
            }
            writes.push_back({r, c, std::move(input)});
        }
    }
    for (const auto& w : writes) {
        m_sheet->StoreContent(w.row, w.column, w.input.value, w.input.isFormula, w.input.formula, w.input.prefixed,
                              w.input.numberFormat);
    }
    m_sheet->RemoveArraysWithin(area);
}

// Several cells give their text only when they all hold the same content under the same number format and
// show it alike (a narrower column may show "####"); empty cells give "".
Variant Range::Text() const {
    const Sheet::Stored* first = nullptr;
    std::wstring firstFormat;
    std::wstring firstText;
    bool alike = true;
    std::int64_t withContent = 0;
    for (const auto& area : m_areas) {
        m_sheet->ForEachStored(area, [&](long r, long c, const Sheet::Stored& stored) {
            if (!stored.HasContent() || !alike) return;
            ++withContent;
            if (!first) {
                first = &stored;
                firstFormat = m_sheet->NumberFormatAt(r, c);
                firstText = m_sheet->DisplayText(r, c);
                return;
            }
            alike = stored.value == first->value && stored.hasFormula == first->hasFormula &&
                    stored.formula == first->formula && stored.prefixed == first->prefixed &&
                    m_sheet->NumberFormatAt(r, c) == firstFormat && m_sheet->DisplayText(r, c) == firstText;
        });
    }
    if (withContent == 0) return Variant::String(L"");
    if (!alike || withContent < TotalCells()) return Variant::Null();
    return Variant::String(firstText);
}

Variant Range::HasFormula() const {
    std::int64_t count = 0;
    for (const auto& area : m_areas) {
        m_sheet->ForEachStored(area, [&](long, long, const Sheet::Stored& s) { count += s.hasFormula ? 1 : 0; });
    }
    return Tristate(count, TotalCells());
}

Variant Range::HasArray() const {
    std::int64_t count = 0;
    for (const auto& area : m_areas) {
        m_sheet->ForEachStored(area, [&](long, long, const Sheet::Stored& s) { count += s.hasArray ? 1 : 0; });
    }
    return Tristate(count, TotalCells());
}

Variant Range::MergeCells() const {
    std::int64_t count = 0;
    for (const auto& area : m_areas) {
        for (const auto& merged : m_sheet->MergedAreasMeeting(area)) {
            if (auto overlap = area.Intersection(merged)) count += overlap->CellCount();
        }
    }
    return Tristate(count, TotalCells());
}

void Range::ClearContents() {
    CheckContentChange(false);
    for (const auto& area : m_areas) {
        m_sheet->EraseContent(area);
        m_sheet->RemoveArraysWithin(area);
    }
}

// ---- Merging

void Range::Merge(bool across) {
    if (m_sheet->IsProtected()) throw ExcelError(message::Protected);
    for (const auto& area : m_areas) {
        if (m_sheet->CutsArray(area)) throw ExcelError(message::ArrayPart);
    }
    std::vector<Area> targets;
    for (const auto& area : m_areas) {
        if (across) {
            for (long r = area.top; r <= area.bottom; ++r) targets.push_back({r, area.left, r, area.right});
        } else {
            targets.push_back(area);
        }
    }
    for (Area target : targets) {
        if (target.IsSingleCell()) continue;
        // A merged area reaching into the target joins it.
        bool grown = true;
        while (grown) {
            grown = false;
            for (const auto& m : m_sheet->MergedAreasMeeting(target)) {
                if (!target.Contains(m)) {
                    target = target.BoundingBox(m);
                    grown = true;
                }
            }
        }
        std::int64_t values = 0;
        m_sheet->ForEachStored(target, [&](long, long, const Sheet::Stored& s) { values += s.HasContent() ? 1 : 0; });
        if (values > 1) m_sheet->RecordMergeQuestion();
        m_sheet->RemoveMergedAreas(target);
        // Only the upper-left value stays.
        if (target.left < target.right) m_sheet->EraseContent({target.top, target.left + 1, target.top, target.right});
        if (target.top < target.bottom)
            m_sheet->EraseContent({target.top + 1, target.left, target.bottom, target.right});
        m_sheet->AddMergedArea(target);
    }
}

void Range::UnMerge() {
    if (m_sheet->IsProtected()) throw ExcelError(message::Protected);
    for (const auto& area : m_areas) m_sheet->RemoveMergedAreas(area);
}

// ---- Formats

void Range::CheckFormatChange(const wchar_t* property) const {
    if (m_sheet->IsProtected()) throw ExcelError(message::UnableToSet(property, L"Range"));
}

Variant Range::UniformFormat(FormatProperty property) const {
    auto values = m_sheet->DistinctFormats(m_areas, property);
    if (values.size() != 1) return Variant::Null();
    const FormatValue& value = *values.begin();
    switch (property) {
    case FormatProperty::NumberFormat: return Variant::String(value.text);
    case FormatProperty::InteriorColor: return Variant::Double(value.number < 0 ? xl::NoFillColor : value.number);
    case FormatProperty::WrapText:
    case FormatProperty::FontBold:
    case FormatProperty::FontItalic:
    case FormatProperty::ShrinkToFit: return Variant::Bool(value.number != 0);
    case FormatProperty::FontName: return Variant::String(value.text);
    case FormatProperty::FontSize: return Variant::Double(value.number / 100.0);
    default: return Variant::Long(value.number);
    }
}

long Range::ConditionalFormatCount() const {
    long count = 0;
    for (const auto& area : m_areas) count += m_sheet->ConditionalFormatsMeeting(area);
    return count;
}

void Range::SetFormat(FormatProperty property, const FormatValue& value) {
    for (const auto& area : m_areas) m_sheet->SetFormat(area, property, value);
}

Variant Range::ColumnWidth() const {
    std::set<double> widths;
    for (const auto& area : m_areas) {
        auto some = m_sheet->DistinctColumnWidths(area.left, area.right);
        widths.insert(some.begin(), some.end());
    }
    if (widths.size() != 1) return Variant::Null();
    return Variant::Double(*widths.begin());
}

void Range::SetColumnWidth(double width) {
    CheckFormatChange(L"ColumnWidth");
    if (!(width >= 0 && width <= xl::MaxColumnWidth)) throw ExcelError(message::UnableToSet(L"ColumnWidth", L"Range"));
    for (const auto& area : m_areas) {
        for (long c = area.left; c <= area.right; ++c) m_sheet->SetColumnWidth(c, width);
    }
}

Variant Range::HorizontalAlignment() const { return UniformFormat(FormatProperty::HorizontalAlignment); }

void Range::SetHorizontalAlignment(long alignment) {
    CheckFormatChange(L"HorizontalAlignment");
    if (!IsValidHorizontal(alignment)) throw ExcelError(message::UnableToSet(L"HorizontalAlignment", L"Range"));
    FormatValue value;
    value.number = alignment;
    SetFormat(FormatProperty::HorizontalAlignment, value);
}

Variant Range::VerticalAlignment() const { return UniformFormat(FormatProperty::VerticalAlignment); }

void Range::SetVerticalAlignment(long alignment) {
    CheckFormatChange(L"VerticalAlignment");
    if (!IsValidVertical(alignment)) throw ExcelError(message::UnableToSet(L"VerticalAlignment", L"Range"));
    FormatValue value;
    value.number = alignment;
    SetFormat(FormatProperty::VerticalAlignment, value);
}

Variant Range::WrapText() const { return UniformFormat(FormatProperty::WrapText); }

void Range::SetWrapText(bool wrap) {
    CheckFormatChange(L"WrapText");
    FormatValue value;
    value.number = wrap ? 1 : 0;
    SetFormat(FormatProperty::WrapText, value);
}

Variant Range::NumberFormat() const { return UniformFormat(FormatProperty::NumberFormat); }

void Range::SetNumberFormat(const std::wstring& format) {
    CheckFormatChange(L"NumberFormat");
    FormatValue value;
    value.text = format.empty() ? L"General" : format;
    SetFormat(FormatProperty::NumberFormat, value);
}

Variant Range::InteriorColor() const { return UniformFormat(FormatProperty::InteriorColor); }

namespace {

// Excel's default palette, ColorIndex 1 to 56, as 0xRRGGBB.
constexpr unsigned long kPalette[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
                                      0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
                                      0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
                                      0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
                                      0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
                                      0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
                                      0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

long NearestColorIndex(long colorref) {
    auto channel = [](unsigned long color, int shift) { return long((color >> shift) & 0xFF); };
    long best = 1;
    long bestDistance = -1;
    for (long i = 0; i < long(sizeof(kPalette) / sizeof(kPalette[0])); ++i) {
        // COLORREF holds red in its low byte, the palette in its high one.
        long dr = channel(kPalette[i], 16) - channel(colorref, 0);
        long dg = channel(kPalette[i], 8) - channel(colorref, 8);
        long db = channel(kPalette[i], 0) - channel(colorref, 16);
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i + 1;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

Variant Range::InteriorColorIndex() const {
    auto values = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorColor);
    if (values.size() != 1) return Variant::Null();
    long color = values.begin()->number;
    return Variant::Long(color < 0 ? xl::ColorIndexNone : NearestColorIndex(color));
}

namespace {

FormatValue Number(long number) {
    FormatValue value;
    value.number = number;
    return value;
}

// The colours of Office 2007's theme, ThemeColor 1 to 12, as COLORREF.
constexpr long kThemeColors[] = {0x000000, 0xFFFFFF, 0x7D491F, 0xE1ECEE, 0xBD814F, 0x4D50C0,
                                 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7, 0xFF0000, 0x800080};

long Tinted(long color, double tint) {
    long tinted = 0;
    for (int shift : {0, 8, 16}) {
        const double channel = (color >> shift) & 0xFF;
        const double moved = tint < 0 ? channel * (1 + tint) : channel + (255 - channel) * tint;
        tinted |= long(moved + 0.5) << shift;
    }
    return tinted;
}

}  // namespace

void Range::SetInteriorColor(long color) {
    if (m_sheet->IsProtected() || color < 0 || color > xl::NoFillColor) {
        throw ExcelError(message::UnableToSet(L"Color", L"Interior"));
    }
    SetFormat(FormatProperty::InteriorColor, Number(color));
    SetFormat(FormatProperty::InteriorThemeColor, Number(0));
    SetFormat(FormatProperty::InteriorTint, Number(0));
}

void Range::ClearInterior() {
    if (m_sheet->IsProtected()) throw ExcelError(message::UnableToSet(L"ColorIndex", L"Interior"));
    SetFormat(FormatProperty::InteriorColor, Number(-1));
    for (auto part : {FormatProperty::InteriorPattern, FormatProperty::InteriorPatternColor,
                      FormatProperty::InteriorThemeColor, FormatProperty::InteriorTint})
        SetFormat(part, Number(0));
}

void Range::SetInteriorColorIndex(long index) {
    if (index == xl::ColorIndexNone) return ClearInterior();
    if (index < 1 || index > long(sizeof(kPalette) / sizeof(kPalette[0])))
        throw ExcelError(message::UnableToSet(L"ColorIndex", L"Interior"));
    const unsigned long rgb = kPalette[index - 1];
    SetInteriorColor(long(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16)));
}

Variant Range::InteriorPattern() const {
    auto colors = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorColor);
    const bool someNone = colors.count(Number(-1)) > 0;
    if (someNone) return colors.size() == 1 ? Variant::Long(xl::ColorIndexNone) : Variant::Null();
    auto patterns = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorPattern);
    if (patterns.size() != 1) return Variant::Null();
    return Variant::Long(patterns.begin()->number == 0 ? xl::PatternSolid : patterns.begin()->number);
}

void Range::SetInteriorPattern(long pattern) {
    CheckFormatChange(L"Pattern");
    if (pattern == xl::ColorIndexNone) return ClearInterior();
    auto colors = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorColor);
    if (colors.size() == 1 && colors.begin()->number < 0)
        SetFormat(FormatProperty::InteriorColor, Number(xl::NoFillColor));
    SetFormat(FormatProperty::InteriorPattern, Number(pattern == xl::PatternSolid ? 0 : pattern));
}

Variant Range::InteriorPatternColor() const {
    auto colors = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorPatternColor);
    if (colors.size() != 1) return Variant::Null();
    return Variant::Double(colors.begin()->number);
}

void Range::SetInteriorPatternColor(long color) {
    CheckFormatChange(L"PatternColor");
    if (color < 0 || color > xl::NoFillColor) throw ExcelError(message::UnableToSet(L"PatternColor", L"Interior"));
    SetFormat(FormatProperty::InteriorPatternColor, Number(color));
}

Variant Range::InteriorThemeColor() const {
    auto themes = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorThemeColor);
    if (themes.size() != 1) return Variant::Null();
    if (themes.begin()->number == 0) throw ExcelError(L"Application-defined or object-defined error");
    return Variant::Long(themes.begin()->number);
}

void Range::SetInteriorThemeColor(long theme) {
    CheckFormatChange(L"ThemeColor");
    if (theme < 1 || theme > long(sizeof(kThemeColors) / sizeof(kThemeColors[0])))
        throw ExcelError(message::UnableToSet(L"ThemeColor", L"Interior"));
    SetFormat(FormatProperty::InteriorColor, Number(kThemeColors[theme - 1]));
    SetFormat(FormatProperty::InteriorThemeColor, Number(theme));
    SetFormat(FormatProperty::InteriorTint, Number(0));
}

Variant Range::InteriorTintAndShade() const {
    auto tints = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorTint);
    if (tints.size() != 1) return Variant::Null();
    return Variant::Double(tints.begin()->number / 1e6);
}

void Range::SetInteriorTintAndShade(double tint) {
    CheckFormatChange(L"TintAndShade");
    auto themes = m_sheet->DistinctFormats(m_areas, FormatProperty::InteriorThemeColor);
    if (!(tint >= -1 && tint <= 1) || themes.size() != 1)
        throw ExcelError(message::UnableToSet(L"TintAndShade", L"Interior"));
    const long theme = themes.begin()->number;
    if (theme > 0) SetFormat(FormatProperty::InteriorColor, Number(Tinted(kThemeColors[theme - 1], tint)));
    SetFormat(FormatProperty::InteriorTint, Number(long(tint * 1e6 + (tint < 0 ? -0.5 : 0.5))));
}

// ---- Union and Intersect

Range Range::Union(const std::vector<Range>& ranges) {
    std::vector<Area> all;
    for (const auto& range : ranges) {
        if (range.m_sheet != ranges.front().m_sheet) {
            throw ExcelError(L"Method 'Union' of object '_Application' failed");
        }
        all.insert(all.end(), range.m_areas.begin(), range.m_areas.end());
    }
    return Range(ranges.front().m_sheet, UnionOfAreas(all));
}

std::optional<Range> Range::Intersect(const std::vector<Range>& ranges) {
    std::vector<Area> common = ranges.front().m_areas;
    for (size_t i = 1; i < ranges.size(); ++i) {
        if (ranges[i].m_sheet != ranges.front().m_sheet) {
            throw ExcelError(L"Method 'Intersect' of object '_Application' failed");
        }
        common = IntersectionOfAreas(common, ranges[i].m_areas);
        if (common.empty()) return std::nullopt;
    }
    return Range(ranges.front().m_sheet, common);
}

}  // namespace host
