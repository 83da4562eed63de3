// Excel's Range object, and the Areas and Interior objects reached from it.
#pragma once

#include <string>

#include "sheet/DispatchWrapper.h"

namespace sheet {

class Range;
class Worksheet;

// Interior.ColorIndex of cells without a fill.
constexpr long xlColorIndexNone = -4142;

class Interior : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    // A COLORREF (0x00BBGGRR), the layout Interior.Color takes.
    void SetColor(COLORREF color) const;
    // The cells' COLORREF, or Null when they differ. Cells without a fill answer white, as white ones do.
    Variant Color() const;
    // xlColorIndexNone for cells without a fill, else an index of the palette; Null when the cells differ.
    Variant ColorIndex() const;
    // Takes the fill away: ColorIndex = xlColorIndexNone.
    void SetNoFill() const;
    void SetColorIndex(long index) const;
    // The rest of a fill, each Null when the cells differ. ThemeColor and TintAndShade are Excel 2007's.
    Variant Pattern() const;
    void SetPattern(long pattern) const;
    Variant PatternColor() const;
    void SetPatternColor(COLORREF color) const;
    Variant ThemeColor() const;
    void SetThemeColor(long theme) const;
    Variant TintAndShade() const;
    void SetTintAndShade(double tint) const;
};

// The cells' font: each property gives Null when the cells differ in it.
class Font : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    Variant Name() const;
    Variant Size() const;
    Variant Bold() const;
    Variant Italic() const;
};

// The conditional formats that apply to a range's cells.
class FormatConditions : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    long Count() const;
};

class Areas : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    long Count() const;
    Range Item(long index) const;  // from 1
};

class Range : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;

    Areas Areas() const;
    long Count() const;
    Range Cells() const;
    Range Rows() const;
    Range Columns() const;
    Range EntireColumn() const;
    // Item(row) and Item(row, column), from 1 and relative to this range.
    Range Item(long row) const;
    Range Item(long row, long column) const;
    // Puts a value into the cell at (row, column) in one call: Item is writable, as the default member is.
    void SetItem(long row, long column, Variant value) const;
    long Row() const;
    long Column() const;
    // Offset moves the range; Resize reshapes it from its top-left cell. Both count from 0 and 1 as Excel does.
    Range Offset(long rows, long columns) const;
    Range Resize(long rows, long columns) const;

    Variant Value() const;
    void SetValue(Variant value) const;
    // As Value, with dates and currency amounts as the plain numbers they are (Value rounds an amount to
    // four decimals).
    Variant Value2() const;
    Variant Text() const;
    // Range._NewEnum, For Each's enumerator of the cells (RangeCells walks it).
    Variant NewEnum() const;
    // A formula cell's formula, any other cell's constant as text; a 2-D array for several cells.
    Variant Formula() const;
    Variant HasArray() const;
    Variant HasFormula() const;
    // The cells' number format ("General", "@", "0.00"), or Null when they differ.
    Variant NumberFormat() const;

    // The absolute A1 address ("$A$1:$C$3,$E$5"): row and column absolute, External and RelativeTo left out.
    std::wstring Address() const;

    // The sheet the range lies on.
    sheet::Worksheet Worksheet() const;

    void ClearContents() const;
    void Select() const;
    // A cell of the selection becomes its active cell; outside it, the cell is selected.
    void Activate() const;
    void Merge(bool across) const;
    // Merge with Across left out.
    void Merge() const;
    void UnMerge() const;
    // True when every cell belongs to a merged area, False when none does, Null between.
    Variant MergeCells() const;
    // The merged area the range's top-left cell belongs to; the cell itself when it is not merged.
    Range MergeArea() const;
    Variant ColumnWidth() const;
    void SetColumnWidth(Variant width) const;
    void SetHorizontalAlignment(long alignment) const;
    void SetVerticalAlignment(long alignment) const;
    void SetWrapText(bool wrap) const;
    // The cells' common setting, or Null when they differ.
    Variant HorizontalAlignment() const;
    Variant VerticalAlignment() const;
    Variant WrapText() const;
    Interior Interior() const;
    sheet::Font Font() const;
    // The cells' common setting, or Null when they differ.
    Variant IndentLevel() const;
    Variant ShrinkToFit() const;
    Variant Orientation() const;
    sheet::FormatConditions FormatConditions() const;
};

}  // namespace sheet
