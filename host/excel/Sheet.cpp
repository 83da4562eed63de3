#include "host/excel/Sheet.h"

#include "host/excel/Address.h"
#include "host/excel/DateSerial.h"
#include "host/excel/InputParser.h"
#include "host/excel/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace host {

namespace {

// Formatting an area up to this size gives each cell a record; larger areas (whole columns or
// rows) keep the format as a layer, so that formatting them stays cheap.
constexpr std::int64_t kPerCellFormatLimit = 65536;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

Sheet::Sheet(std::wstring name, std::wstring workbookName, const VersionLimits& limits)
    : m_name(std::move(name)), m_workbookName(std::move(workbookName)), m_limits(limits) {}

void Sheet::SetLimits(const VersionLimits& limits) {
    auto used = UsedArea();
    if (used && !used->IsValid(limits.sheet)) throw std::invalid_argument("the sheet holds cells outside that grid");
    m_limits = limits;
}

Area Sheet::ParseArea(const std::wstring& address) const {
    auto reference = ParseReference(address, Size());
    if (!reference || reference->areas.size() != 1) {
        throw std::invalid_argument("not a reference to one area: " + Narrow(address));
    }
    return reference->areas.front();
}

template <class F>
void Sheet::ForEachCellOf(const std::wstring& address, F f) {
    Area area = ParseArea(address);
    for (long r = area.top; r <= area.bottom; ++r) {
        for (long c = area.left; c <= area.right; ++c) f(r, c);
    }
}

Sheet::Stored& Sheet::Record(long row, long column) { return m_cells[Key(row, column)]; }

const Sheet::Stored* Sheet::Find(long row, long column) const {
    auto it = m_cells.find(Key(row, column));
    return it == m_cells.end() ? nullptr : &it->second;
}

void Sheet::DropIfBare(long row, long column) {
    auto it = m_cells.find(Key(row, column));
    if (it != m_cells.end() && !it->second.HasContent() && !it->second.HasFormat()) m_cells.erase(it);
}

// ---- Fixtures

void Sheet::SetText(const std::wstring& address, const std::wstring& text) {
    ForEachCellOf(address, [&](long r, long c) { StoreContent(r, c, CellValue::Text(text), false, {}, false, {}); });
}

void Sheet::SetNumber(const std::wstring& address, double number) {
    ForEachCellOf(address,
                  [&](long r, long c) { StoreContent(r, c, CellValue::Number(number), false, {}, false, {}); });
}

void Sheet::SetBoolean(const std::wstring& address, bool value) {
    ForEachCellOf(address,
                  [&](long r, long c) { StoreContent(r, c, CellValue::Boolean(value), false, {}, false, {}); });
}

void Sheet::SetError(const std::wstring& address, int code) {
    ForEachCellOf(address, [&](long r, long c) { StoreContent(r, c, CellValue::Error(code), false, {}, false, {}); });
}

void Sheet::SetDate(const std::wstring& address, int year, int month, int day) {
    auto serial = SerialFromDate(year, month, day);
    if (!serial) throw std::invalid_argument("not a date Excel can hold");
    ForEachCellOf(address, [&](long r, long c) {
        StoreContent(r, c, CellValue::Number(*serial), false, {}, false, {});
        if (!IsDateFormat(NumberFormatAt(r, c))) Record(r, c).numberFormat = L"m/d/yyyy";
    });
}

void Sheet::SetCurrency(const std::wstring& address, double amount) {
    ForEachCellOf(address, [&](long r, long c) {
        StoreContent(r, c, CellValue::Number(amount), false, {}, false, {});
        if (!IsCurrencyFormat(NumberFormatAt(r, c))) Record(r, c).numberFormat = L"$#,##0.00";
    });
}

void Sheet::SetFormula(const std::wstring& address, const std::wstring& formula, const CellValue& result) {
    ForEachCellOf(address, [&](long r, long c) { StoreContent(r, c, result, true, formula, false, {}); });
}

void Sheet::SetArrayFormula(const std::wstring& rangeAddress, const std::wstring& formula, const CellValue& result) {
    Area area = ParseArea(rangeAddress);
    ForEachCellOf(rangeAddress, [&](long r, long c) {
        StoreContent(r, c, result, true, formula, false, {});
        Record(r, c).hasArray = true;
    });
    m_arrays.push_back({area, formula});
}

void Sheet::Enter(const std::wstring& address, const std::wstring& text) {
    ForEachCellOf(address, [&](long r, long c) {
        ParsedInput input = ParseInput(text, NumberFormatAt(r, c));
        StoreContent(r, c, input.value, input.isFormula, input.formula, input.prefixed, input.numberFormat);
    });
}

void Sheet::ClearCell(const std::wstring& address) { EraseContent(ParseArea(address)); }

void Sheet::SetNumberFormat(const std::wstring& rangeAddress, const std::wstring& format) {
    FormatValue value;
    value.text = format;
    SetFormat(ParseArea(rangeAddress), FormatProperty::NumberFormat, value);
}

void Sheet::SetInteriorColor(const std::wstring& rangeAddress, COLORREF color) {
    FormatValue value;
    value.number = long(color);
    SetFormat(ParseArea(rangeAddress), FormatProperty::InteriorColor, value);
}

void Sheet::SetColumnWidth(long column, double width) { m_columnWidths[column] = width; }

void Sheet::SetLook(const std::wstring& rangeAddress, FormatProperty property, const FormatValue& value) {
    SetFormat(ParseArea(rangeAddress), property, value);
}

long Sheet::ConditionalFormatsMeeting(const Area& area) const {
    long count = 0;
    for (const Area& applies : m_conditionalFormats) count += applies.Intersects(area) ? 1 : 0;
    return count;
}

void Sheet::MergeCells(const std::wstring& rangeAddress) { AddMergedArea(ParseArea(rangeAddress)); }

// ---- Reading

Cell Sheet::At(const std::wstring& address) const {
    Area area = ParseArea(address);
    return At(area.top, area.left);
}

Cell Sheet::At(long row, long column) const {
    Cell cell;
    if (const Stored* stored = Find(row, column)) {
        cell.value = stored->value;
        cell.hasFormula = stored->hasFormula;
        cell.formula = stored->formula;
        cell.hasArray = stored->hasArray;
        cell.prefixed = stored->prefixed;
    }
    cell.numberFormat = EffectiveFormat(row, column, FormatProperty::NumberFormat).text;
    long color = EffectiveFormat(row, column, FormatProperty::InteriorColor).number;
    if (color >= 0) cell.interiorColor = COLORREF(color);
    for (auto part : {FormatProperty::InteriorPattern, FormatProperty::InteriorPatternColor,
                      FormatProperty::InteriorThemeColor, FormatProperty::InteriorTint})
        cell.fillParts[FillPart(part)] = color >= 0 ? EffectiveFormat(row, column, part).number : 0;
    cell.wrapText = EffectiveFormat(row, column, FormatProperty::WrapText).number != 0;
    cell.horizontalAlignment = EffectiveFormat(row, column, FormatProperty::HorizontalAlignment).number;
    cell.verticalAlignment = EffectiveFormat(row, column, FormatProperty::VerticalAlignment).number;
    cell.merged = MergedAreaAt(row, column).has_value();
    return cell;
}

std::wstring Sheet::NumberFormatAt(long row, long column) const {
    return EffectiveFormat(row, column, FormatProperty::NumberFormat).text;
}

const std::wstring& Sheet::NumberFormatOf(const Stored* stored, long row, long column) const {
    static const std::wstring general = L"General";
    if (stored && stored->numberFormat) return *stored->numberFormat;
    for (auto it = m_layers.rbegin(); it != m_layers.rend(); ++it)
        if (it->property == FormatProperty::NumberFormat && it->area.Contains(row, column)) return it->value.text;
    return general;
}

double Sheet::ColumnWidth(long column) const {
    auto it = m_columnWidths.find(column);
    return it == m_columnWidths.end() ? xl::StandardColumnWidth : it->second;
}

std::set<double> Sheet::DistinctColumnWidths(long left, long right) const {
    std::set<double> widths;
    long custom = 0;
    for (auto it = m_columnWidths.lower_bound(left); it != m_columnWidths.end() && it->first <= right; ++it) {
        widths.insert(it->second);
        ++custom;
    }
    if (custom < right - left + 1) widths.insert(xl::StandardColumnWidth);
    return widths;
}

std::wstring Sheet::DisplayText(long row, long column) const {
    const Stored* stored = Find(row, column);
    if (!stored || !stored->HasContent()) return {};
    const CellValue& value = stored->value;
    std::wstring format = NumberFormatAt(row, column);
    switch (value.type) {
    case ValueType::Empty: return {};
    case ValueType::Text: return FormatText(value.text, format);
    case ValueType::Boolean: return value.boolean ? L"TRUE" : L"FALSE";
    case ValueType::Error: return ErrorText(value.error);
    case ValueType::Number: break;
    }
    // A number shows within its column (a merged cell: within all its columns), measured in
    // digit widths; what does not fit becomes a run of "#", one per whole unit of width.
    double width = ColumnWidth(column);
    if (auto merged = MergedAreaAt(row, column); merged && merged->top == row && merged->left == column) {
        width = 0;
        for (long c = merged->left; c <= merged->right; ++c) width += ColumnWidth(c);
    }
    int hashCount = int(std::floor(width + 1e-9));
    std::wstring hashes(size_t(hashCount > 0 ? hashCount : 1), L'#');
    if (IsGeneralFormat(format) || IsTextFormat(format)) {
        auto text = FormatGeneral(value.number, width);
        return text ? *text : hashes;
    }
    auto text = FormatNumber(value.number, format);
    if (!text || DisplayWidth(*text) > width + 1e-9) return hashes;
    return *text;
}

std::optional<Area> Sheet::MergedAreaAt(long row, long column) const { return m_merged.At(row, column); }

std::optional<Area> Sheet::UsedArea() const {
    std::optional<Area> used;
    for (const auto& [key, stored] : m_cells) {
        if (!stored.HasContent() && !stored.HasFormat()) continue;
        Area cell = Area::Cell(RowOf(key), ColumnOf(key));
        used = used ? used->BoundingBox(cell) : cell;
    }
    for (const auto& area : m_merged.All()) used = used ? used->BoundingBox(area) : area;
    return used;
}

size_t Sheet::ContentCount() const {
    size_t count = 0;
    for (const auto& entry : m_cells) count += entry.second.HasContent() ? 1 : 0;
    return count;
}

// ---- Primitives

void Sheet::StoreContent(long row, long column, const CellValue& value, bool hasFormula, const std::wstring& formula,
                         bool prefixed, const std::optional<std::wstring>& formatIfGeneral) {
    Stored& stored = Record(row, column);
    stored.value = value;
    stored.hasFormula = hasFormula;
    stored.formula = hasFormula ? formula : std::wstring();
    stored.hasArray = false;
    stored.prefixed = prefixed;
    if (formatIfGeneral && IsGeneralFormat(NumberFormatAt(row, column))) stored.numberFormat = *formatIfGeneral;
    DropIfBare(row, column);
}

void Sheet::EraseContent(const Area& area) {
    std::vector<std::pair<long, long>> cells;
    ForEachStored(area, [&](long r, long c, const Stored&) { cells.emplace_back(r, c); });
    for (auto [r, c] : cells) {
        Stored& stored = Record(r, c);
        // An emptied cell gives its text's memory back, as Excel does; assigning an empty text would keep it.
        std::wstring().swap(stored.value.text);
        stored.value = CellValue::Empty();
        stored.hasFormula = false;
        stored.formula.clear();
        stored.hasArray = false;
        stored.prefixed = false;
        DropIfBare(r, c);
    }
}

size_t Sheet::FillPart(FormatProperty property) { return size_t(property) - size_t(FormatProperty::InteriorPattern); }

std::optional<FormatValue> Sheet::StoredFormat(const Stored& stored, FormatProperty property) {
    FormatValue value;
    switch (property) {
    case FormatProperty::NumberFormat:
        if (!stored.numberFormat) return std::nullopt;
        value.text = *stored.numberFormat;
        return value;
    case FormatProperty::InteriorColor:
        if (!stored.interiorColor) return std::nullopt;
        value.number = *stored.interiorColor;
        return value;
    case FormatProperty::WrapText:
        if (!stored.wrapText) return std::nullopt;
        value.number = *stored.wrapText ? 1 : 0;
        return value;
    case FormatProperty::HorizontalAlignment:
        if (!stored.horizontalAlignment) return std::nullopt;
        value.number = *stored.horizontalAlignment;
        return value;
    case FormatProperty::VerticalAlignment:
        if (!stored.verticalAlignment) return std::nullopt;
        value.number = *stored.verticalAlignment;
        return value;
    case FormatProperty::InteriorPattern:
    case FormatProperty::InteriorPatternColor:
    case FormatProperty::InteriorThemeColor:
    case FormatProperty::InteriorTint: {
        const auto& part = stored.fillParts[FillPart(property)];
        if (!part) return std::nullopt;
        value.number = *part;
        return value;
    }
    default:
        for (const auto& [kind, look] : stored.looks)
            if (kind == property) return look;
        return std::nullopt;
    }
}

void Sheet::ApplyFormat(Stored& stored, FormatProperty property, const FormatValue& value) {
    switch (property) {
    case FormatProperty::NumberFormat: stored.numberFormat = value.text; break;
    case FormatProperty::InteriorColor: stored.interiorColor = value.number; break;
    case FormatProperty::WrapText: stored.wrapText = value.number != 0; break;
    case FormatProperty::HorizontalAlignment: stored.horizontalAlignment = value.number; break;
    case FormatProperty::VerticalAlignment: stored.verticalAlignment = value.number; break;
    case FormatProperty::InteriorPattern:
    case FormatProperty::InteriorPatternColor:
    case FormatProperty::InteriorThemeColor:
    case FormatProperty::InteriorTint: stored.fillParts[FillPart(property)] = value.number; break;
    default:
        for (auto& [kind, look] : stored.looks) {
            if (kind != property) continue;
            look = value;
            return;
        }
        stored.looks.emplace_back(property, value);
        break;
    }
}

FormatValue Sheet::DefaultFormat(FormatProperty property) {
    FormatValue value;
    switch (property) {
    case FormatProperty::NumberFormat: value.text = L"General"; break;
    case FormatProperty::InteriorColor: value.number = -1; break;
    case FormatProperty::WrapText: value.number = 0; break;
    case FormatProperty::HorizontalAlignment: value.number = xl::HAlignGeneral; break;
    case FormatProperty::VerticalAlignment: value.number = xl::VAlignBottom; break;
    case FormatProperty::FontName: value.text = L"Arial"; break;
    case FormatProperty::FontSize: value.number = 1000; break;
    case FormatProperty::Orientation: value.number = xl::Horizontal; break;
    default: value.number = 0; break;
    }
    return value;
}

void Sheet::SetFormat(const Area& area, FormatProperty property, const FormatValue& value) {
    if (area.CellCount() <= kPerCellFormatLimit) {
        for (long r = area.top; r <= area.bottom; ++r) {
            for (long c = area.left; c <= area.right; ++c) ApplyFormat(Record(r, c), property, value);
        }
        return;
    }
    m_layers.push_back({area, property, value});
    std::vector<std::pair<long, long>> cells;
    ForEachStored(area, [&](long r, long c, const Stored&) { cells.emplace_back(r, c); });
    for (auto [r, c] : cells) ApplyFormat(Record(r, c), property, value);
}

FormatValue Sheet::EffectiveFormat(long row, long column, FormatProperty property) const {
    if (const Stored* stored = Find(row, column)) {
        if (auto value = StoredFormat(*stored, property)) return *value;
    }
    for (auto it = m_layers.rbegin(); it != m_layers.rend(); ++it) {
        if (it->property == property && it->area.Contains(row, column)) return it->value;
    }
    return DefaultFormat(property);
}

std::set<FormatValue> Sheet::DistinctFormats(const std::vector<Area>& areas, FormatProperty property) const {
    std::set<FormatValue> values;
    for (const auto& area : areas) {
        if (area.CellCount() <= kPerCellFormatLimit) {
            const bool layered = std::any_of(m_layers.begin(), m_layers.end(), [&](const FormatLayer& layer) {
                return layer.property == property && layer.area.Intersects(area);
            });
            if (layered) {
                for (long r = area.top; r <= area.bottom; ++r) {
                    for (long c = area.left; c <= area.right; ++c) values.insert(EffectiveFormat(r, c, property));
                }
                continue;
            }
            // No layer reaches in: each stored cell's own value or the default, which the cells not stored
            // show too; walked in the order cells are kept rather than looked up one by one.
            std::int64_t stored = 0;
            bool sawDefault = false;
            ForEachStored(area, [&](long, long, const Stored& cell) {
                ++stored;
                if (auto value = StoredFormat(cell, property))
                    values.insert(std::move(*value));
                else
                    sawDefault = true;
            });
            if (sawDefault || stored < area.CellCount()) values.insert(DefaultFormat(property));
            continue;
        }
        // A large area: the stored cells, the layers that reach into it (from the newest one that
        // covers it all), and the default where no such layer covers it.
        ForEachStored(area, [&](long r, long c, const Stored&) { values.insert(EffectiveFormat(r, c, property)); });
        bool covered = false;
        for (auto it = m_layers.rbegin(); it != m_layers.rend() && !covered; ++it) {
            if (it->property != property || !it->area.Intersects(area)) continue;
            values.insert(it->value);
            covered = it->area.Contains(area);
        }
        if (!covered) values.insert(DefaultFormat(property));
    }
    return values;
}

void Sheet::AddMergedArea(const Area& area) { m_merged.Add(area); }

std::vector<Area> Sheet::RemoveMergedAreas(const Area& area) { return m_merged.RemoveMeeting(area); }

bool Sheet::CutsMergedArea(const Area& area) const {
    for (const auto& merged : m_merged.Meeting(area)) {
        if (!area.Contains(merged)) return true;
    }
    return false;
}

bool Sheet::CutsArray(const Area& area) const {
    for (const auto& block : m_arrays) {
        if (block.area.Intersects(area) && !area.Contains(block.area)) return true;
    }
    return false;
}

void Sheet::RemoveArraysWithin(const Area& area) {
    std::vector<ArrayBlock> kept;
    for (auto& block : m_arrays) {
        if (!area.Contains(block.area)) kept.push_back(std::move(block));
    }
    m_arrays = std::move(kept);
}

}  // namespace host
