// What one run of a tool changed on its sheet, kept so that Undo Last Run can put it back: each written
// cell's content before the run and as the run left it, the fills, merged areas, wrap, alignments and column
// widths it changed, and the selection before it. Rectangles are the sheet's own (row 1 is the sheet's first).
//
// The record holds about 128 MB at most. A run whose record would pass that goes on; the record then lets go
// of everything it held and says that the run cannot be undone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sheet/Application.h"
#include "tools/common/BlockChanges.h"
#include "tools/common/CellContent.h"

namespace blocks {

// A format a run changes in place.
enum class FormatKind : unsigned char { WrapText, HorizontalAlignment, VerticalAlignment, ColumnWidth, Fill };

// How cells are filled, as Excel's Interior holds it. A fill read from the sheet is `whole`: every part was
// read. The fill a tool paints is its colour alone (`whole` false), and compares by its colour.
struct Fill {
    bool none = true;          // ColorIndex xlColorIndexNone: no fill at all
    bool whole = false;
    bool byIndex = false;      // put back by ColorIndex (Excel 2000 to 2003, whose colours are a palette's)
    double color = 0;          // Color, a COLORREF
    double colorIndex = 0;     // ColorIndex
    double pattern = 0;        // Pattern: xlPatternSolid, xlGray50, ...
    double patternColor = 0;   // PatternColor
    double themeColor = 0;     // ThemeColor from Excel 2007 on; 0 for a colour of no theme
    double tintAndShade = 0;   // TintAndShade of a theme colour

    static Fill Painted(double color) {
        Fill fill;
        fill.none = false;
        fill.color = color;
        return fill;
    }
    friend bool operator==(const Fill& a, const Fill& b) {
        if (a.none || b.none) return a.none == b.none;
        if (!a.whole || !b.whole) return a.color == b.color;
        return a.color == b.color && a.pattern == b.pattern && a.patternColor == b.patternColor &&
               a.themeColor == b.themeColor && a.tintAndShade == b.tintAndShade;
    }
};

// A format's value: an alignment, a width, 0 or 1 for wrap; or a fill.
struct FormatValue {
    double number = 0;
    Fill fill;

    static FormatValue Of(double number) { return {number, Fill()}; }
    static FormatValue Filled(const Fill& fill) { return {0, fill}; }
    static FormatValue NoFill() { return {0, Fill()}; }
    friend bool operator==(const FormatValue& a, const FormatValue& b) {
        return a.number == b.number && a.fill == b.fill;
    }
    friend bool operator!=(const FormatValue& a, const FormatValue& b) { return !(a == b); }
};

struct FormatChange {
    BlockRect area;  // for a column width, the columns of the area
    FormatKind kind;
    FormatValue before;
    FormatValue after;
};

// An area the run merged; with `across`, each of its rows is a merged area of its own.
struct MergeChange {
    BlockRect area;
    bool across = false;
};

// The cells one write of a block changed, in the order written.
class RecordedCells {
public:
    size_t Count() const noexcept { return m_cells.size(); }
    long Row(size_t i) const { return m_cells[i].row; }
    long Column(size_t i) const { return m_cells[i].column; }
    CellContent Before(size_t i) const { return Unpacked(m_cells[i].before); }
    ContentLeft After(size_t i) const { return m_cells[i].after; }
    // A cell the run wrote again later: the later write's entry stands for both.
    bool Superseded(size_t i) const { return m_cells[i].before.superseded; }
    // The smallest rectangle of the sheet that holds every cell.
    const BlockRect& Bounds() const noexcept { return m_bounds; }
    size_t Bytes() const noexcept;

private:
    friend class RunRecord;
    struct Packed {
        ContentKind kind;
        bool superseded;       // kept in the before content's spare byte
        std::uint32_t length;  // of a text or formula in the pool
        union {
            double number;
            std::uint64_t offset;  // of a text or formula in the pool
        };
    };
    struct Cell {
        std::int32_t row;
        std::int32_t column;
        Packed before;
        ContentLeft after;
    };

    Packed Pack(const CellContent& content);
    CellContent Unpacked(const Packed& packed) const;
    void Add(long row, long column, const CellContent& before, const CellContent& after);

    std::vector<Cell> m_cells;
    std::wstring m_texts;
    BlockRect m_bounds;
};

class RunRecord {
public:
    static constexpr std::size_t kLimitBytes = std::size_t(128) << 20;

    explicit RunRecord(std::size_t limitBytes = kLimitBytes) noexcept : m_limit(limitBytes) {}
    RunRecord(const RunRecord&) = delete;
    RunRecord& operator=(const RunRecord&) = delete;

    // The sheet the run changes, and the names it had then, for a message when it has gone.
    void SetOwner(sheet::Worksheet sheet, std::wstring workbookName, std::wstring sheetName);
    bool HasOwner() const noexcept { return !m_owner.IsEmpty(); }
    const sheet::Worksheet& Owner() const noexcept { return m_owner; }
    const std::wstring& WorkbookName() const noexcept { return m_workbookName; }
    const std::wstring& SheetName() const noexcept { return m_sheetName; }

    // Cells are recorded a written block at a time: BeginCells, AddCell for each cell Excel took, EndCells.
    void BeginCells(std::size_t expected);
    void AddCell(long row, long column, const CellContent& before, const CellContent& after);
    void EndCells();

    void AddFormat(const FormatChange& change);
    void AddMergedByRun(const MergeChange& merged);
    // A merged area as it was before the run unmerged or changed it; each one is kept once.
    void AddMergedBefore(const BlockRect& area);
    // The first selection before (with its active cell) and the last after, as absolute A1 addresses.
    void AddSelection(std::wstring before, std::wstring activeCell, std::wstring after);

    // Whether fills are read with their theme colours (Excel 2007 and later).
    bool ThemedFills() const noexcept { return m_themedFills; }
    void SetThemedFills(bool themed) noexcept { m_themedFills = themed; }

    // The run's record would have passed the limit: it holds nothing, and the run cannot be undone.
    bool Overflowed() const noexcept { return m_overflowed; }
    // Nothing to put back: the run changed nothing, or the record overflowed.
    bool Empty() const noexcept;
    std::size_t Bytes() const noexcept { return m_bytes; }
    std::size_t LimitBytes() const noexcept { return m_limit; }

    // What Undo Last Run puts back, and drops once it is back.
    std::vector<RecordedCells>& Cells() noexcept { return m_cells; }
    std::vector<FormatChange>& Formats() noexcept { return m_formats; }
    std::vector<MergeChange>& MergedByRun() noexcept { return m_mergedByRun; }
    std::vector<BlockRect>& MergedBefore() noexcept { return m_mergedBefore; }
    // Empty texts when the run did not change the selection.
    const std::wstring& SelectionBefore() const noexcept { return m_selectionBefore; }
    const std::wstring& ActiveCellBefore() const noexcept { return m_activeCellBefore; }
    const std::wstring& SelectionAfter() const noexcept { return m_selectionAfter; }
    void DropSelection() noexcept;
    // Counts again after the undo dropped what it put back.
    void Recount() noexcept;
    // Makes each cell the run wrote more than once stand in the record once, in its last write's block, with
    // its content before the first write and after the last: putting it back then takes one step.
    void CollapseRepeatedCells();

private:
    // Adds to the count; past the limit everything goes. False when nothing more is kept.
    bool Account(std::size_t bytes);
    void Overflow() noexcept;

    std::size_t m_limit;
    std::size_t m_bytes = 0;
    bool m_overflowed = false;
    bool m_inCells = false;
    bool m_themedFills = true;
    sheet::Worksheet m_owner;
    std::wstring m_workbookName;
    std::wstring m_sheetName;
    std::vector<RecordedCells> m_cells;
    std::vector<FormatChange> m_formats;
    std::vector<MergeChange> m_mergedByRun;
    std::vector<BlockRect> m_mergedBefore;
    std::wstring m_selectionBefore;
    std::wstring m_activeCellBefore;
    std::wstring m_selectionAfter;
};

}  // namespace blocks
