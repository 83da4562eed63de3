// One worksheet of the stand-in's workbook: sparse cells keyed by row and column, formats,
// merged areas, array formulas, column widths, protection and the sheet's selection.
//
// Two kinds of members: fixtures (Set..., Enter, MergeCells) set up a sheet for a test and obey
// no protection or merge rule; the primitives below them are what Range builds Excel's
// operations on, with Excel's rules checked in Range.
#pragma once

#include "host/excel/Area.h"
#include "host/excel/Cell.h"
#include "host/excel/MergedAreaIndex.h"
#include "host/excel/VersionLimits.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace host {

enum class FormatProperty {
    NumberFormat,
    InteriorColor,
    WrapText,
    HorizontalAlignment,
    VerticalAlignment,
    // The rest of a fill: its pattern (0 for the solid one), the pattern's colour, a theme colour (0: none) and
    // its tint in millionths.
    InteriorPattern,
    InteriorPatternColor,
    InteriorThemeColor,
    InteriorTint,
    // What else a cell's look is made of; the stand-in keeps them but draws no text by them.
    FontName,
    FontSize,  // in hundredths of a point
    FontBold,
    FontItalic,
    IndentLevel,
    ShrinkToFit,
    Orientation,
};

// One format property's value: the number format and the font name in `text`, the others in `number`
// (an interior colour of -1 is no fill).
struct FormatValue {
    long number = 0;
    std::wstring text;
    friend bool operator<(const FormatValue& a, const FormatValue& b) {
        return a.number != b.number ? a.number < b.number : a.text < b.text;
    }
    friend bool operator==(const FormatValue& a, const FormatValue& b) {
        return a.number == b.number && a.text == b.text;
    }
};

class Sheet {
public:
    Sheet(std::wstring name, std::wstring workbookName, const VersionLimits& limits = {});

    const std::wstring& Name() const { return m_name; }
    const std::wstring& WorkbookName() const { return m_workbookName; }
    void SetWorkbookName(std::wstring name) { m_workbookName = std::move(name); }

    // The limits of the Excel that holds the sheet: its grid (what a whole column is) and a formula's length.
    const VersionLimits& Limits() const { return m_limits; }
    const SheetSize& Size() const { return m_limits.sheet; }
    // Throws std::invalid_argument when the sheet holds cells or merged areas outside the new grid.
    void SetLimits(const VersionLimits& limits);
    Area Whole() const { return Area::Whole(m_limits.sheet); }

    // ---- Fixtures. An address is a cell ("B2") or, where a range fits, a range ("A1:C3").
    void SetText(const std::wstring& address, const std::wstring& text);  // stored as is, never parsed
    void SetNumber(const std::wstring& address, double number);
    void SetBoolean(const std::wstring& address, bool value);
    void SetError(const std::wstring& address, int code);
    // A date (serial number) under "m/d/yyyy" unless the cell already has a date format.
    void SetDate(const std::wstring& address, int year, int month, int day);
    // An amount under "$#,##0.00" unless the cell already has a currency format; Value gives VT_CY.
    void SetCurrency(const std::wstring& address, double amount);
    // A formula with the result it shows; the stand-in does not calculate.
    void SetFormula(const std::wstring& address, const std::wstring& formula, const CellValue& result = {});
    // An array formula over a whole range; every cell shows `result`.
    void SetArrayFormula(const std::wstring& rangeAddress, const std::wstring& formula, const CellValue& result = {});
    // As if the text were written to Range.Value (parse on assign, apostrophe, formulas).
    void Enter(const std::wstring& address, const std::wstring& text);
    void ClearCell(const std::wstring& address);
    void SetNumberFormat(const std::wstring& rangeAddress, const std::wstring& format);
    void SetInteriorColor(const std::wstring& rangeAddress, COLORREF color);
    void SetColumnWidth(long column, double width);
    // Merges the range as one area without touching the cells' contents.
    void MergeCells(const std::wstring& rangeAddress);
    // A font, indent, shrinking or orientation of the range's cells.
    void SetLook(const std::wstring& rangeAddress, FormatProperty property, const FormatValue& value);
    // A conditional format over the range; the stand-in keeps where it applies, not what it does.
    void AddConditionalFormat(const std::wstring& rangeAddress) { m_conditionalFormats.push_back(ParseArea(rangeAddress)); }
    // The conditional formats that apply to some cell of the area.
    long ConditionalFormatsMeeting(const Area& area) const;

    // ---- Reading.
    Cell At(const std::wstring& address) const;
    Cell At(long row, long column) const;
    // The text the cell shows (Range.Text of one cell).
    std::wstring DisplayText(long row, long column) const;
    double ColumnWidth(long column) const;
    // Every width the columns from `left` to `right` have.
    std::set<double> DistinctColumnWidths(long left, long right) const;
    std::vector<Area> MergedAreas() const { return m_merged.All(); }
    std::vector<Area> MergedAreasMeeting(const Area& area) const { return m_merged.Meeting(area); }
    std::optional<Area> MergedAreaAt(long row, long column) const;
    // Bounding box of the cells with content or a format of their own, and of merged areas.
    std::optional<Area> UsedArea() const;
    // Number of cells with content (a value, a formula or an apostrophe).
    size_t ContentCount() const;

    // How often Excel would have asked the user before a merge dropped values other than the top-left one
    // (Application.DisplayAlerts on); the stand-in answers OK and counts.
    size_t MergeQuestions() const { return m_mergeQuestions; }
    void RecordMergeQuestion() { ++m_mergeQuestions; }

    // A sheet the user deleted: the objects still held on it answer no call.
    bool Deleted() const { return m_deleted; }
    void MarkDeleted() { m_deleted = true; }

    bool IsProtected() const { return m_protected; }
    void SetProtected(bool value) { m_protected = value; }

    const std::vector<Area>& Selection() const { return m_selection; }
    // A new selection's active cell is its first cell.
    void SetSelection(std::vector<Area> areas) {
        m_selection = std::move(areas);
        m_activeCell =
            m_selection.empty() ? Area::Cell(1, 1) : Area::Cell(m_selection.front().top, m_selection.front().left);
    }
    const Area& ActiveCell() const { return m_activeCell; }
    void SetActiveCell(long row, long column) { m_activeCell = Area::Cell(row, column); }

    // ---- Primitives for Range.
    // Writes content to one cell; `formatIfGeneral` applies only while the cell's format is General.
    void StoreContent(long row, long column, const CellValue& value, bool hasFormula, const std::wstring& formula,
                      bool prefixed, const std::optional<std::wstring>& formatIfGeneral);
    void EraseContent(const Area& area);
    void SetFormat(const Area& area, FormatProperty property, const FormatValue& value);
    FormatValue EffectiveFormat(long row, long column, FormatProperty property) const;
    // Every value the property takes within the areas.
    std::set<FormatValue> DistinctFormats(const std::vector<Area>& areas, FormatProperty property) const;
    void AddMergedArea(const Area& area);
    // Removes the merged areas that meet `area`; gives what was removed.
    std::vector<Area> RemoveMergedAreas(const Area& area);
    // True when the area takes in part, but not all, of a merged area.
    bool CutsMergedArea(const Area& area) const;
    bool CutsArray(const Area& area) const;
    // Drops the array formulas lying wholly inside the area (their cells are rewritten).
    void RemoveArraysWithin(const Area& area);

    // Calls f(row, column, const Cell-content view) for every stored cell inside the area, row by
    // row; empty cells without a record are skipped.
    template <class F>
    void ForEachStored(const Area& area, F f) const;
    // Content of a stored cell, without resolving formats.
    struct Stored {
        CellValue value;
        bool hasFormula = false;
        std::wstring formula;
        bool hasArray = false;
        bool prefixed = false;
        std::optional<std::wstring> numberFormat;
        std::optional<long> interiorColor;  // -1 is no fill
        std::optional<bool> wrapText;
        std::optional<long> horizontalAlignment;
        std::optional<long> verticalAlignment;
        std::optional<long> fillParts[4];  // pattern, pattern colour, theme colour, tint, as FormatProperty
        std::vector<std::pair<FormatProperty, FormatValue>> looks;  // fonts, indents and the like, rarely set

        bool HasContent() const { return !value.IsEmpty() || hasFormula || prefixed; }
        bool HasFormat() const {
            return numberFormat || interiorColor || wrapText || horizontalAlignment || verticalAlignment ||
                   fillParts[0] || fillParts[1] || fillParts[2] || fillParts[3] || !looks.empty();
        }
    };
    const Stored* Find(long row, long column) const;
    std::wstring NumberFormatAt(long row, long column) const;
    // The same for a cell whose stored record (or its absence) the caller has found already: no second lookup,
    // no copy. Valid until the sheet's formats change.
    const std::wstring& NumberFormatOf(const Stored* stored, long row, long column) const;

private:
    struct FormatLayer {
        Area area;
        FormatProperty property;
        FormatValue value;
    };
    struct ArrayBlock {
        Area area;
        std::wstring formula;
    };

    static std::uint64_t Key(long row, long column) { return (std::uint64_t(row) << 15) | std::uint64_t(column); }
    static long RowOf(std::uint64_t key) { return long(key >> 15); }
    static long ColumnOf(std::uint64_t key) { return long(key & 0x7FFF); }

    Stored& Record(long row, long column);
    void DropIfBare(long row, long column);
    Area ParseArea(const std::wstring& address) const;
    template <class F>
    void ForEachCellOf(const std::wstring& address, F f);
    static size_t FillPart(FormatProperty property);
    static std::optional<FormatValue> StoredFormat(const Stored& stored, FormatProperty property);
    static void ApplyFormat(Stored& stored, FormatProperty property, const FormatValue& value);
    static FormatValue DefaultFormat(FormatProperty property);

    std::wstring m_name;
    std::wstring m_workbookName;
    VersionLimits m_limits;
    std::map<std::uint64_t, Stored> m_cells;
    std::vector<FormatLayer> m_layers;
    MergedAreaIndex m_merged;
    std::vector<ArrayBlock> m_arrays;
    std::map<long, double> m_columnWidths;
    std::vector<Area> m_conditionalFormats;
    std::vector<Area> m_selection{Area::Cell(1, 1)};
    Area m_activeCell = Area::Cell(1, 1);
    bool m_protected = false;
    bool m_deleted = false;
    size_t m_mergeQuestions = 0;
};

template <class F>
void Sheet::ForEachStored(const Area& area, F f) const {
    const std::uint64_t last = Key(area.bottom, area.right);
    auto it = m_cells.lower_bound(Key(area.top, area.left));
    while (it != m_cells.end() && it->first <= last) {
        long row = RowOf(it->first);
        long column = ColumnOf(it->first);
        if (column < area.left) {
            it = m_cells.lower_bound(Key(row, area.left));
            continue;
        }
        if (column > area.right) {
            it = m_cells.lower_bound(Key(row + 1, area.left));
            continue;
        }
        f(row, column, it->second);
        ++it;
    }
}

}  // namespace host
