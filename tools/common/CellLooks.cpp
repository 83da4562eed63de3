#include "tools/common/CellLooks.h"

#include <cstdint>
#include <cstring>

namespace blocks {

namespace {

// XlHAlign's xlCenterAcrossSelection: the cell shows over its empty neighbours, which differ from row to row.
constexpr long xlCenterAcrossSelection = 7;

// Adds one setting to the look's text; false for a mixed one (Null) or an answer of no known type.
bool AddSetting(const sheet::Variant& setting, std::wstring& settings) {
    if (setting.IsString()) {
        settings += setting.StringView();
        settings += L'\x1F';
        return true;
    }
    switch (setting.type()) {
    case VT_BOOL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8: break;
    default: return false;
    }
    sheet::Variant number;
    if (FAILED(VariantChangeType(number.Receive(), const_cast<VARIANT*>(&setting.get()), 0, VT_R8))) return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &number.get().dblVal, sizeof bits);
    settings += std::to_wstring(bits);
    settings += L'\x1F';
    return true;
}

bool OneAlignment(const sheet::Variant& alignment, std::wstring& settings) {
    if (!AddSetting(alignment, settings)) return false;
    sheet::Variant number;
    return SUCCEEDED(VariantChangeType(number.Receive(), const_cast<VARIANT*>(&alignment.get()), 0, VT_I4)) &&
           number.get().lVal != xlCenterAcrossSelection;
}

}  // namespace

std::optional<Look> CommonLook(const sheet::Range& cells) {
    Look look;
    // A merged area's top-left cell shows within all the area's columns.
    if (!cells.MergeCells().IsFalseBool()) return std::nullopt;
    // Conditional formats set fonts, and from Excel 2007 number formats, cell by cell.
    if (cells.FormatConditions().Count() != 0) return std::nullopt;
    if (!OneAlignment(cells.HorizontalAlignment(), look.settings)) return std::nullopt;
    const sheet::Font font = cells.Font();
    for (auto read : {&sheet::Font::Name, &sheet::Font::Size, &sheet::Font::Bold, &sheet::Font::Italic})
        if (!AddSetting((font.*read)(), look.settings)) return std::nullopt;
    for (auto read : {&sheet::Range::IndentLevel, &sheet::Range::ShrinkToFit, &sheet::Range::Orientation,
                      &sheet::Range::WrapText})
        if (!AddSetting((cells.*read)(), look.settings)) return std::nullopt;
    look.widthKnown = AddSetting(cells.ColumnWidth(), look.settings);
    return look;
}

}  // namespace blocks
