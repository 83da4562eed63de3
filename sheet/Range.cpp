#include "sheet/Range.h"

#include "sheet/Application.h"
#include "sheet/Dispids.h"

namespace sheet {

namespace {
constexpr long xlA1 = 1;
}

void Interior::SetColor(COLORREF color) const {
    Put(dispid::Color, L"Interior.Color", Variant::Long(static_cast<long>(color)));
}

Variant Interior::Color() const { return Invoke(dispid::Color, CallKind::Get, L"Interior.Color"); }
Variant Interior::ColorIndex() const { return Invoke(dispid::ColorIndex, CallKind::Get, L"Interior.ColorIndex"); }
void Interior::SetNoFill() const { Put(dispid::ColorIndex, L"Interior.ColorIndex", Variant::Long(xlColorIndexNone)); }
void Interior::SetColorIndex(long index) const {
    Put(dispid::ColorIndex, L"Interior.ColorIndex", Variant::Long(index));
}
Variant Interior::Pattern() const { return Invoke(dispid::Pattern, CallKind::Get, L"Interior.Pattern"); }
void Interior::SetPattern(long pattern) const { Put(dispid::Pattern, L"Interior.Pattern", Variant::Long(pattern)); }
Variant Interior::PatternColor() const { return Invoke(dispid::PatternColor, CallKind::Get, L"Interior.PatternColor"); }
void Interior::SetPatternColor(COLORREF color) const {
    Put(dispid::PatternColor, L"Interior.PatternColor", Variant::Long(static_cast<long>(color)));
}
Variant Interior::ThemeColor() const { return Invoke(dispid::ThemeColor, CallKind::Get, L"Interior.ThemeColor"); }
void Interior::SetThemeColor(long theme) const {
    Put(dispid::ThemeColor, L"Interior.ThemeColor", Variant::Long(theme));
}
Variant Interior::TintAndShade() const { return Invoke(dispid::TintAndShade, CallKind::Get, L"Interior.TintAndShade"); }
void Interior::SetTintAndShade(double tint) const {
    Put(dispid::TintAndShade, L"Interior.TintAndShade", Variant::Double(tint));
}

Variant Font::Name() const { return Invoke(dispid::FontName, CallKind::Get, L"Font.Name"); }
Variant Font::Size() const { return Invoke(dispid::FontSize, CallKind::Get, L"Font.Size"); }
Variant Font::Bold() const { return Invoke(dispid::FontBold, CallKind::Get, L"Font.Bold"); }
Variant Font::Italic() const { return Invoke(dispid::FontItalic, CallKind::Get, L"Font.Italic"); }

long FormatConditions::Count() const { return GetLong(dispid::Count, L"FormatConditions.Count"); }

long Areas::Count() const { return GetLong(dispid::Count, L"Areas.Count"); }

Range Areas::Item(long index) const {
    return ObjectOf<Range>(Invoke(dispid::Item, CallKind::Get, L"Areas.Item", {Variant::Long(index)}));
}

Areas Range::Areas() const { return GetObject<sheet::Areas>(dispid::Areas, L"Range.Areas"); }
long Range::Count() const { return GetLong(dispid::Count, L"Range.Count"); }
Range Range::Cells() const { return GetObject<Range>(dispid::Cells, L"Range.Cells"); }
Range Range::Rows() const { return GetObject<Range>(dispid::Rows, L"Range.Rows"); }
Range Range::Columns() const { return GetObject<Range>(dispid::Columns, L"Range.Columns"); }
Range Range::EntireColumn() const { return GetObject<Range>(dispid::EntireColumn, L"Range.EntireColumn"); }

Range Range::Item(long row) const {
    return ObjectOf<Range>(
        Invoke(dispid::Item, CallKind::Get, L"Range.Item", {Variant::Long(row), Variant::Missing()}));
}

Range Range::Item(long row, long column) const {
    return ObjectOf<Range>(
        Invoke(dispid::Item, CallKind::Get, L"Range.Item", {Variant::Long(row), Variant::Long(column)}));
}

long Range::Row() const { return GetLong(dispid::Row, L"Range.Row"); }
long Range::Column() const { return GetLong(dispid::Column, L"Range.Column"); }

Range Range::Offset(long rows, long columns) const {
    return ObjectOf<Range>(
        Invoke(dispid::Offset, CallKind::Get, L"Range.Offset", {Variant::Long(rows), Variant::Long(columns)}));
}

Range Range::Resize(long rows, long columns) const {
    return ObjectOf<Range>(
        Invoke(dispid::Resize, CallKind::Get, L"Range.Resize", {Variant::Long(rows), Variant::Long(columns)}));
}

Variant Range::Value() const { return Invoke(dispid::Value, CallKind::Get, L"Range.Value"); }
void Range::SetItem(long row, long column, Variant value) const {
    Invoke(dispid::Item, CallKind::Put, L"Range.Item", {Variant::Long(row), Variant::Long(column), std::move(value)});
}

void Range::SetValue(Variant value) const { Put(dispid::Value, L"Range.Value", std::move(value)); }
Variant Range::Value2() const { return Invoke(dispid::Value2, CallKind::Get, L"Range.Value2"); }
Variant Range::Text() const { return Invoke(dispid::Text, CallKind::Get, L"Range.Text"); }
Variant Range::NewEnum() const { return Invoke(DISPID_NEWENUM, CallKind::Get, L"Range._NewEnum"); }
Variant Range::Formula() const { return Invoke(dispid::Formula, CallKind::Get, L"Range.Formula"); }
Variant Range::HasArray() const { return Invoke(dispid::HasArray, CallKind::Get, L"Range.HasArray"); }
Variant Range::HasFormula() const { return Invoke(dispid::HasFormula, CallKind::Get, L"Range.HasFormula"); }
Variant Range::MergeCells() const { return Invoke(dispid::MergeCells, CallKind::Get, L"Range.MergeCells"); }
Variant Range::NumberFormat() const { return Invoke(dispid::NumberFormat, CallKind::Get, L"Range.NumberFormat"); }

std::wstring Range::Address() const {
    if (IsEmpty()) return {};
    Variant v =
        Invoke(dispid::Address, CallKind::Get, L"Range.Address",
               {Variant::Missing(), Variant::Missing(), Variant::Long(xlA1), Variant::Missing(), Variant::Missing()});
    return v.IsString() ? std::wstring(v.StringView()) : std::wstring();
}

Worksheet Range::Worksheet() const { return GetObject<sheet::Worksheet>(dispid::Worksheet, L"Range.Worksheet"); }

void Range::ClearContents() const { Invoke(dispid::ClearContents, CallKind::Method, L"Range.ClearContents"); }
void Range::Select() const { Invoke(dispid::Select, CallKind::Method, L"Range.Select"); }
void Range::Activate() const { Invoke(dispid::Activate, CallKind::Method, L"Range.Activate"); }
void Range::Merge(bool across) const {
    Invoke(dispid::Merge, CallKind::Method, L"Range.Merge", {Variant::Bool(across)});
}
void Range::Merge() const { Invoke(dispid::Merge, CallKind::Method, L"Range.Merge"); }
void Range::UnMerge() const { Invoke(dispid::UnMerge, CallKind::Method, L"Range.UnMerge"); }
Range Range::MergeArea() const { return GetObject<Range>(dispid::MergeArea, L"Range.MergeArea"); }
Variant Range::ColumnWidth() const { return Invoke(dispid::ColumnWidth, CallKind::Get, L"Range.ColumnWidth"); }
void Range::SetColumnWidth(Variant width) const { Put(dispid::ColumnWidth, L"Range.ColumnWidth", std::move(width)); }
void Range::SetHorizontalAlignment(long alignment) const {
    Put(dispid::HorizontalAlignment, L"Range.HorizontalAlignment", Variant::Long(alignment));
}
void Range::SetVerticalAlignment(long alignment) const {
    Put(dispid::VerticalAlignment, L"Range.VerticalAlignment", Variant::Long(alignment));
}
void Range::SetWrapText(bool wrap) const { Put(dispid::WrapText, L"Range.WrapText", Variant::Bool(wrap)); }
Variant Range::HorizontalAlignment() const {
    return Invoke(dispid::HorizontalAlignment, CallKind::Get, L"Range.HorizontalAlignment");
}
Variant Range::VerticalAlignment() const {
    return Invoke(dispid::VerticalAlignment, CallKind::Get, L"Range.VerticalAlignment");
}
Variant Range::WrapText() const { return Invoke(dispid::WrapText, CallKind::Get, L"Range.WrapText"); }
Interior Range::Interior() const { return GetObject<sheet::Interior>(dispid::Interior, L"Range.Interior"); }
Font Range::Font() const { return GetObject<sheet::Font>(dispid::Font, L"Range.Font"); }
Variant Range::IndentLevel() const { return Invoke(dispid::IndentLevel, CallKind::Get, L"Range.IndentLevel"); }
Variant Range::ShrinkToFit() const { return Invoke(dispid::ShrinkToFit, CallKind::Get, L"Range.ShrinkToFit"); }
Variant Range::Orientation() const { return Invoke(dispid::Orientation, CallKind::Get, L"Range.Orientation"); }
FormatConditions Range::FormatConditions() const {
    return GetObject<sheet::FormatConditions>(dispid::FormatConditions, L"Range.FormatConditions");
}

}  // namespace sheet
