// A reference to cells of one sheet as Excel's Range object sees them: one or more areas and
// whether the range counts cells, rows or columns (Range.Rows and Range.Columns keep the areas
// but count and index rows or columns). Excel's operations on ranges, with Excel's rules.
// Failures throw ExcelError with Excel's description.
#pragma once

#include "host/excel/Address.h"
#include "host/excel/InputParser.h"
#include "host/excel/Sheet.h"
#include "host/excel/Variant.h"

#include <memory>
#include <optional>
#include <vector>

namespace host {

enum class RangeMode { Cells, Rows, Columns };

class Range {
public:
    Range(std::shared_ptr<Sheet> sheet, std::vector<Area> areas, RangeMode mode = RangeMode::Cells);

    Sheet& GetSheet() const { return *m_sheet; }
    const std::shared_ptr<Sheet>& SheetPtr() const { return m_sheet; }
    const std::vector<Area>& Areas() const { return m_areas; }
    const Area& FirstArea() const { return m_areas.front(); }
    RangeMode Mode() const { return m_mode; }

    // ---- Navigation
    // Cells: all cells of all areas. Rows and Columns: of the first area only, as in Excel.
    // Throws "Overflow" past 2,147,483,647 (a whole sheet).
    long Count() const;
    Range Rows() const { return WithMode(RangeMode::Rows); }
    Range Columns() const { return WithMode(RangeMode::Columns); }
    Range Cells() const { return WithMode(RangeMode::Cells); }
    Range EntireColumn() const;
    Range EntireRow() const;
    // Range.Item(index): the index-th cell of the first area, left to right then down (it may lie
    // past the area), or its index-th row or column in Rows or Columns mode.
    Range Item(long index) const;
    // Range.Item(row, column), relative to the first area's top-left cell; 0 and negatives reach
    // above and left of it. Outside the sheet: "Application-defined or object-defined error".
    Range Item(long row, long column) const;
    // Areas.Item(index), from 1.
    Range AreaAt(long index) const;
    long Row() const { return FirstArea().top; }
    long Column() const { return FirstArea().left; }
    Range MergeArea() const;
    // Range.Offset: every area moved; Range.Resize: the first area from its top-left cell, a size left out
    // kept. Past the sheet, or a size below 1: "Application-defined or object-defined error".
    Range Offset(long rows, long columns) const;
    Range Resize(std::optional<long> rows, std::optional<long> columns) const;

    std::wstring Address(AddressOptions options) const;

    // ---- Values (of the first area, as Excel reads them)
    // One cell: a scalar. Several: a 2-D SAFEARRAY of VARIANTs, lower bounds 1, rows first.
    Variant Value(bool value2 = false) const;
    // A scalar fills every cell; a 1-D or 2-D array fills from each area's top-left cell, a
    // one-row or one-column array repeating down or across, elements past the array giving #N/A
    // and array elements past the area being dropped. Strings are parsed as if typed, by the rules of
    // `locale`.
    void SetValue(const VARIANT& value, const InputLocale& locale = InputLocale::EnglishUnitedStates());
    // Range.Formula of the first area: the formula of a formula cell, the constant as text otherwise, ""
    // for an empty cell; a string for one cell, else a 2-D array as Value gives it.
    Variant Formula() const;
    // Displayed text; for several cells the common text, or Null when they differ.
    Variant Text() const;
    // True, False, or Null when the cells differ.
    Variant HasFormula() const;
    Variant HasArray() const;
    Variant MergeCells() const;
    void ClearContents();

    // ---- Merging
    void Merge(bool across);
    void UnMerge();

    // ---- Formats (get: the common value or Null)
    Variant ColumnWidth() const;
    void SetColumnWidth(double width);
    Variant HorizontalAlignment() const;
    void SetHorizontalAlignment(long alignment);
    Variant VerticalAlignment() const;
    void SetVerticalAlignment(long alignment);
    Variant WrapText() const;
    void SetWrapText(bool wrap);
    Variant NumberFormat() const;
    void SetNumberFormat(const std::wstring& format);
    // Interior.Color: a double, 16777215 for cells without fill.
    Variant InteriorColor() const;
    // A font, indent, shrinking or orientation setting common to the cells, else Null.
    Variant Look(FormatProperty property) const { return UniformFormat(property); }
    // How many conditional formats apply to some of the cells.
    long ConditionalFormatCount() const;
    void SetInteriorColor(long color);
    // Interior.ColorIndex: xlNone without fill, else the index of the nearest colour of Excel's default
    // palette; Null when the cells differ.
    Variant InteriorColorIndex() const;
    // Interior.ColorIndex = xlNone: no fill, no pattern, no theme colour.
    void ClearInterior();
    // Interior.ColorIndex = 1 to 56: the colour of Excel's default palette.
    void SetInteriorColorIndex(long index);
    // Interior.Pattern: xlNone without fill, xlSolid or a pattern's number; Null when the cells differ.
    Variant InteriorPattern() const;
    void SetInteriorPattern(long pattern);
    Variant InteriorPatternColor() const;
    void SetInteriorPatternColor(long color);
    // Interior.ThemeColor: 1 to 12; a colour of no theme fails, as Excel's does.
    Variant InteriorThemeColor() const;
    void SetInteriorThemeColor(long theme);
    // Interior.TintAndShade of a theme colour, -1 to 1; it lightens or darkens the theme's colour.
    Variant InteriorTintAndShade() const;
    void SetInteriorTintAndShade(double tint);

    // Application.Union and Application.Intersect; the ranges must share a sheet.
    static Range Union(const std::vector<Range>& ranges);
    static std::optional<Range> Intersect(const std::vector<Range>& ranges);

private:
    Range WithMode(RangeMode mode) const { return Range(m_sheet, m_areas, mode); }
    void CheckContentChange(bool topLeftOfMergeAllowed) const;
    void CheckFormatChange(const wchar_t* property) const;
    bool IsHiddenByMerge(long row, long column, const std::vector<Area>& merged) const;
    void WriteScalar(const Area& area, const VARIANT& value, const InputLocale& locale);
    void WriteArray(const Area& area, const VARIANT& value, const InputLocale& locale);
    Variant UniformFormat(FormatProperty property) const;
    void SetFormat(FormatProperty property, const FormatValue& value);
    std::int64_t TotalCells() const;

    std::shared_ptr<Sheet> m_sheet;
    std::vector<Area> m_areas;
    RangeMode m_mode;
};

}  // namespace host
