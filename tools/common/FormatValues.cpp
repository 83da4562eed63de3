#include "tools/common/FormatValues.h"

#include "sheet/AutomationError.h"

namespace blocks {

namespace {

std::optional<double> NumberOf(const sheet::Variant& value) {
    if (value.type() == VT_NULL || value.IsEmpty()) return std::nullopt;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value.get()), 0, VT_R8))) return std::nullopt;
    return converted.dblVal;
}

// A theme part of a colour that is no theme's: Excel answers with an error, or nothing at all.
std::optional<double> ThemePart(const sheet::Interior& interior, sheet::Variant (sheet::Interior::*part)() const) {
    sheet::Variant value;
    try {
        value = (interior.*part)();
    } catch (const sheet::CAutomationError&) {
        return 0.0;
    }
    if (value.type() == VT_NULL) return std::nullopt;
    return NumberOf(value).value_or(0.0);
}

std::optional<Fill> CommonFill(const sheet::Range& range, bool themed) {
    const sheet::Interior interior = range.Interior();
    Fill fill;
    const auto index = NumberOf(interior.ColorIndex());
    if (!index) return std::nullopt;
    fill.whole = true;
    if (*index == sheet::xlColorIndexNone) return fill;
    fill.none = false;
    fill.byIndex = !themed;
    fill.colorIndex = *index;
    for (auto [part, value] : {std::pair{&sheet::Interior::Color, &fill.color},
                               std::pair{&sheet::Interior::Pattern, &fill.pattern},
                               std::pair{&sheet::Interior::PatternColor, &fill.patternColor}}) {
        const auto number = NumberOf((interior.*part)());
        if (!number) return std::nullopt;
        *value = *number;
    }
    if (!themed) return fill;
    const auto theme = ThemePart(interior, &sheet::Interior::ThemeColor);
    if (!theme) return std::nullopt;
    fill.themeColor = *theme;
    if (fill.themeColor == 0) return fill;
    const auto tint = ThemePart(interior, &sheet::Interior::TintAndShade);
    if (!tint) return std::nullopt;
    fill.tintAndShade = *tint;
    return fill;
}

void PutFill(const sheet::Range& range, const Fill& fill) {
    const sheet::Interior interior = range.Interior();
    if (fill.none) {
        interior.SetNoFill();
        return;
    }
    if (!fill.whole) {
        interior.SetColor(static_cast<COLORREF>(fill.color));
        return;
    }
    // The colour first: Excel gives a cell without a pattern the solid one when it takes a colour.
    if (fill.themeColor != 0) {
        interior.SetThemeColor(static_cast<long>(fill.themeColor));
        interior.SetTintAndShade(fill.tintAndShade);
    } else if (fill.byIndex) {
        interior.SetColorIndex(static_cast<long>(fill.colorIndex));
    } else {
        interior.SetColor(static_cast<COLORREF>(fill.color));
    }
    interior.SetPattern(static_cast<long>(fill.pattern));
    interior.SetPatternColor(static_cast<COLORREF>(fill.patternColor));
}

}  // namespace

std::optional<FormatValue> CommonFormat(const sheet::Range& range, FormatKind kind, bool themed) {
    std::optional<double> number;
    switch (kind) {
    case FormatKind::WrapText: number = NumberOf(range.WrapText()); break;
    case FormatKind::HorizontalAlignment: number = NumberOf(range.HorizontalAlignment()); break;
    case FormatKind::VerticalAlignment: number = NumberOf(range.VerticalAlignment()); break;
    case FormatKind::ColumnWidth: number = NumberOf(range.ColumnWidth()); break;
    case FormatKind::Fill: {
        const auto fill = CommonFill(range, themed);
        if (!fill) return std::nullopt;
        return FormatValue::Filled(*fill);
    }
    }
    if (!number) return std::nullopt;
    // Wrap reads back as True (-1) or False.
    if (kind == FormatKind::WrapText) return FormatValue::Of(*number != 0 ? 1 : 0);
    return FormatValue::Of(*number);
}

void PutFormat(const sheet::Range& range, FormatKind kind, const FormatValue& value) {
    switch (kind) {
    case FormatKind::WrapText: range.SetWrapText(value.number != 0); return;
    case FormatKind::HorizontalAlignment: range.SetHorizontalAlignment(static_cast<long>(value.number)); return;
    case FormatKind::VerticalAlignment: range.SetVerticalAlignment(static_cast<long>(value.number)); return;
    case FormatKind::ColumnWidth: range.SetColumnWidth(sheet::Variant::Double(value.number)); return;
    case FormatKind::Fill: PutFill(range, value.fill); return;
    }
}

std::vector<BlockRect> Halves(long rows, long columns, bool columnsOnly) {
    BlockRect first{1, 1, rows, columns};
    BlockRect second = first;
    if (rows > 1 && !columnsOnly) {
        first.rows = rows / 2;
        second.row = first.rows + 1;
        second.rows = rows - first.rows;
    } else if (columns > 1) {
        first.columns = columns / 2;
        second.column = first.columns + 1;
        second.columns = columns - first.columns;
    } else {
        return {};
    }
    return {first, second};
}

}  // namespace blocks
