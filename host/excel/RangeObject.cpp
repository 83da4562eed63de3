#include "host/excel/RangeObject.h"

#include "host/excel/Address.h"
#include "host/excel/AreasObject.h"
#include "host/excel/CellEnumerator.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"
#include "host/excel/FontObject.h"
#include "host/excel/FormatConditionsObject.h"
#include "host/excel/InteriorObject.h"
#include "host/excel/WorksheetObject.h"

namespace host {

namespace {

// Lets the stand-in find its own Range behind an IDispatch (Union, Intersect, RelativeTo).
const IID IID_StandInRange = {0x5a7c2e91, 0x3b4d, 0x4f60, {0x9e, 0x21, 0x7d, 0x18, 0xc6, 0x0b, 0x44, 0xa3}};

enum : DISPID {
    kDefault = 0x0,
    kValue = 0x6,
    kCount = 0x76,
    kInterior = 0x81,
    kHorizontalAlignment = 0x88,
    kVerticalAlignment = 0x89,
    kText = 0x8A,
    kItem = 0xAA,
    kNumberFormat = 0xC1,
    kMergeCells = 0xD0,
    kSelect = 0xEB,
    kActivate = 0x130,
    kAddress = 0xEC,
    kCells = 0xEE,
    kColumn = 0xF0,
    kColumns = 0xF1,
    kColumnWidth = 0xF2,
    kEntireColumn = 0xF6,
    kEntireRow = 0xF7,
    kClearContents = 0x71,
    kRow = 0x101,
    kRows = 0x102,
    kHasArray = 0x10A,
    kHasFormula = 0x10B,
    kWrapText = 0x114,
    kMerge = 0x234,
    kAreas = 0x238,
    kMergeArea = 0x569,
    kOffset = 0xFE,
    kResize = 0x100,
    kFormula = 0x105,
    kValue2 = 0x56C,
    kUnMerge = 0x568,
    kWorksheet = 0x15C,
    kFont = 0x92,
    kIndentLevel = 0xC9,
    kShrinkToFit = 0xD1,
    kOrientation = 0x86,
    kFormatConditions = 0x570,
    kNewEnum = DISPID_NEWENUM,
};

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"_Default", kDefault, kGet | kPut, {L"RowIndex", L"ColumnIndex"}},
        {L"Value", kValue, kGet | kPut, {L"RangeValueDataType"}},
        {L"Value2", kValue2, kGet | kPut, {}},
        {L"Formula", kFormula, kGet | kPut, {}},
        {L"Text", kText, kGet, {}},
        {L"Address",
         kAddress,
         kGet,
         {L"RowAbsolute", L"ColumnAbsolute", L"ReferenceStyle", L"External", L"RelativeTo"}},
        {L"Areas", kAreas, kGet, {}},
        {L"Count", kCount, kGet, {}},
        {L"Cells", kCells, kGet, {}},
        {L"Item", kItem, kGet | kPut, {L"RowIndex", L"ColumnIndex"}},
        {L"Rows", kRows, kGet, {}},
        {L"Columns", kColumns, kGet, {}},
        {L"EntireColumn", kEntireColumn, kGet, {}},
        {L"EntireRow", kEntireRow, kGet, {}},
        {L"Row", kRow, kGet, {}},
        {L"Column", kColumn, kGet, {}},
        {L"HasArray", kHasArray, kGet, {}},
        {L"HasFormula", kHasFormula, kGet, {}},
        {L"ClearContents", kClearContents, kMethod, {}},
        {L"Select", kSelect, kMethod, {}},
        {L"Activate", kActivate, kMethod, {}},
        {L"Merge", kMerge, kMethod, {L"Across"}},
        {L"UnMerge", kUnMerge, kMethod, {}},
        {L"MergeCells", kMergeCells, kGet, {}},
        {L"MergeArea", kMergeArea, kGet, {}},
        {L"Offset", kOffset, kGet, {L"RowOffset", L"ColumnOffset"}},
        {L"Resize", kResize, kGet, {L"RowSize", L"ColumnSize"}},
        {L"ColumnWidth", kColumnWidth, kGet | kPut, {}},
        {L"HorizontalAlignment", kHorizontalAlignment, kGet | kPut, {}},
        {L"VerticalAlignment", kVerticalAlignment, kGet | kPut, {}},
        {L"WrapText", kWrapText, kGet | kPut, {}},
        {L"NumberFormat", kNumberFormat, kGet | kPut, {}},
        {L"Interior", kInterior, kGet, {}},
        {L"Worksheet", kWorksheet, kGet, {}},
        {L"Font", kFont, kGet, {}},
        {L"IndentLevel", kIndentLevel, kGet, {}},
        {L"ShrinkToFit", kShrinkToFit, kGet, {}},
        {L"Orientation", kOrientation, kGet, {}},
        {L"FormatConditions", kFormatConditions, kGet, {}},
        {L"_NewEnum", kNewEnum, kGet | kMethod, {}},
    };
    return members;
}

// A property put's value as the given type, a text read in the call's language; Excel refuses other values
// with "Unable to set".
Variant PutAs(const Arguments& args, VARTYPE type, const wchar_t* property) {
    Variant value = args.PutVariant();
    Variant converted;
    if (FAILED(VariantChangeTypeEx(&converted.Get(), &value.Get(), args.Locale(), 0, type))) {
        throw ExcelError(message::UnableToSet(property, L"Range"));
    }
    return converted;
}

}  // namespace

RangeObject::RangeObject(std::shared_ptr<Excel> excel, Range range)
    : DispatchObject(std::move(excel), L"Range", Members()), m_range(std::move(range)) {}

framework::ComPtr<IDispatch> RangeObject::Create(std::shared_ptr<Excel> excel, Range range) {
    return Make<RangeObject>(std::move(excel), std::move(range));
}

std::optional<Range> RangeObject::From(IDispatch* object) {
    if (!object) return std::nullopt;
    RangeObject* range = nullptr;
    if (FAILED(object->QueryInterface(IID_StandInRange, reinterpret_cast<void**>(&range))) || !range) {
        return std::nullopt;
    }
    Range model = range->m_range;
    range->Release();
    return model;
}

void* RangeObject::FindInterface(REFIID iid) { return iid == IID_StandInRange ? this : nullptr; }

Variant RangeObject::Object(const Range& range) const { return ObjectResult(Create(SessionPtr(), range)); }

Range RangeObject::ItemOf(const Arguments& args) const {
    long row = args.Long(0);
    if (args.IsMissing(1)) return m_range.Item(row);
    Variant columnArg = args.Value(1);
    long column = 0;
    if (columnArg.Type() == VT_BSTR && ColumnFromLetters(columnArg.AsString()) > 0) {
        column = ColumnFromLetters(columnArg.AsString());
    } else {
        column = args.Long(1);
    }
    return m_range.Item(row, column);
}

Variant RangeObject::Address(const Arguments& args) const {
    AddressOptions options;
    options.rowAbsolute = args.OptionalBool(0).value_or(true);
    options.columnAbsolute = args.OptionalBool(1).value_or(true);
    long style = args.OptionalLong(2).value_or(long(ReferenceStyle::A1));
    if (style == long(ReferenceStyle::R1C1)) {
        options.style = ReferenceStyle::R1C1;
    } else if (style != long(ReferenceStyle::A1)) {
        throw ExcelError(message::UnableToGet(L"Address", L"Range"));
    }
    options.external = args.OptionalBool(3).value_or(false);
    if (auto relativeTo = args.OptionalObject(4)) {
        auto origin = From(relativeTo->Get());
        if (!origin) throw ArgumentError{DISP_E_TYPEMISMATCH, args.ArgIndex(4)};
        options.relativeToRow = origin->Row();
        options.relativeToColumn = origin->Column();
    }
    return Variant::String(m_range.Address(options));
}

Variant RangeObject::Call(const Member& member, Kind kind, const Arguments& args) {
    const bool put = kind == Kind::Put;
    switch (member.dispid) {
    case kDefault:
        if (!args.IsMissing(0)) {
            Range item = ItemOf(args);
            if (put) {
                item.SetValue(args.PutValue(), InputLocale::For(args.Locale()));
                return {};
            }
            return Object(item);
        }
        [[fallthrough]];
    case kValue:
        if (put) {
            m_range.SetValue(args.PutValue(), InputLocale::For(args.Locale()));
            return {};
        }
        return m_range.Value();
    case kValue2:
        if (put) {
            m_range.SetValue(args.PutValue(), InputLocale::For(args.Locale()));
            return {};
        }
        return m_range.Value(true);
    case kFormula:
        // A formula written is entered as typed, as through Value, but always in English whatever the call's
        // language: Formula is the language-independent member (FormulaLocal is the other).
        if (put) {
            m_range.SetValue(args.PutValue());
            return {};
        }
        return m_range.Formula();
    case kText: return m_range.Text();
    case kAddress: return Address(args);
    case kAreas: return ObjectResult(AreasObject::Create(SessionPtr(), m_range));
    case kCount: return Variant::Long(m_range.Count());
    case kCells: return Object(m_range.Cells());
    case kItem: {
        Range item = ItemOf(args);
        if (put) {
            item.SetValue(args.PutValue(), InputLocale::For(args.Locale()));
            return {};
        }
        return Object(item);
    }
    case kNewEnum: return Variant::AdoptUnknown(CellEnumerator::Create(SessionPtr(), m_range).Detach());
    case kRows: return Object(m_range.Rows());
    case kColumns: return Object(m_range.Columns());
    case kEntireColumn: return Object(m_range.EntireColumn());
    case kEntireRow: return Object(m_range.EntireRow());
    case kRow: return Variant::Long(m_range.Row());
    case kColumn: return Variant::Long(m_range.Column());
    case kHasArray: return m_range.HasArray();
    case kHasFormula: return m_range.HasFormula();
    case kClearContents: m_range.ClearContents(); return Variant::Bool(true);
    case kSelect: Session().SelectRange(m_range); return Variant::Bool(true);
    case kActivate: Session().ActivateRange(m_range); return Variant::Bool(true);
    case kMerge: m_range.Merge(args.OptionalBool(0).value_or(false)); return {};
    case kUnMerge: m_range.UnMerge(); return {};
    case kMergeCells: return m_range.MergeCells();
    case kMergeArea: return Object(m_range.MergeArea());
    case kOffset: return Object(m_range.Offset(args.OptionalLong(0).value_or(0), args.OptionalLong(1).value_or(0)));
    case kResize: return Object(m_range.Resize(args.OptionalLong(0), args.OptionalLong(1)));
    case kColumnWidth:
        if (put) {
            m_range.SetColumnWidth(PutAs(args, VT_R8, L"ColumnWidth").Get().dblVal);
            return {};
        }
        return m_range.ColumnWidth();
    case kHorizontalAlignment:
        if (put) {
            m_range.SetHorizontalAlignment(PutAs(args, VT_I4, L"HorizontalAlignment").Get().lVal);
            return {};
        }
        return m_range.HorizontalAlignment();
    case kVerticalAlignment:
        if (put) {
            m_range.SetVerticalAlignment(PutAs(args, VT_I4, L"VerticalAlignment").Get().lVal);
            return {};
        }
        return m_range.VerticalAlignment();
    case kWrapText:
        if (put) {
            m_range.SetWrapText(PutAs(args, VT_BOOL, L"WrapText").Get().boolVal != VARIANT_FALSE);
            return {};
        }
        return m_range.WrapText();
    case kNumberFormat:
        if (put) {
            m_range.SetNumberFormat(PutAs(args, VT_BSTR, L"NumberFormat").AsString());
            return {};
        }
        return m_range.NumberFormat();
    case kInterior: return ObjectResult(InteriorObject::Create(SessionPtr(), m_range));
    case kWorksheet: return ObjectResult(WorksheetObject::Create(SessionPtr(), m_range.SheetPtr()));
    case kFont: return ObjectResult(FontObject::Create(SessionPtr(), m_range));
    case kIndentLevel: return m_range.Look(FormatProperty::IndentLevel);
    case kShrinkToFit: return m_range.Look(FormatProperty::ShrinkToFit);
    case kOrientation: return m_range.Look(FormatProperty::Orientation);
    case kFormatConditions: return ObjectResult(FormatConditionsObject::Create(SessionPtr(), m_range));
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

}  // namespace host
