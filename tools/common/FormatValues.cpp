#include "tools/common/FormatValues.h"

namespace blocks {

namespace {

std::optional<double> NumberOf(const sheet::Variant& value) {
    if (value.type() == VT_NULL || value.IsEmpty()) return std::nullopt;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value.get()), 0, VT_R8))) return std::nullopt;
    return converted.dblVal;
}

}  // namespace

std::optional<FormatValue> CommonFormat(const sheet::Range& range, FormatKind kind) {
    std::optional<double> number;
    switch (kind) {
    case FormatKind::WrapText: number = NumberOf(range.WrapText()); break;
    case FormatKind::HorizontalAlignment: number = NumberOf(range.HorizontalAlignment()); break;
    case FormatKind::VerticalAlignment: number = NumberOf(range.VerticalAlignment()); break;
    case FormatKind::ColumnWidth: number = NumberOf(range.ColumnWidth()); break;
    case FormatKind::Fill: {
        sheet::Interior interior = range.Interior();
        std::optional<double> index = NumberOf(interior.ColorIndex());
        if (!index) return std::nullopt;
        if (*index == sheet::xlColorIndexNone) return FormatValue::NoFill();
        number = NumberOf(interior.Color());
        break;
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
    case FormatKind::Fill:
        if (value.noFill)
            range.Interior().SetNoFill();
        else
            range.Interior().SetColor(static_cast<COLORREF>(value.number));
        return;
    }
}

}  // namespace blocks
