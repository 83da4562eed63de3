#include "tools/merge/MergeArea.h"

#include <string>
#include <vector>

#include "sheet/AutomationError.h"
#include "tools/common/TextStaysText.h"
#include "tools/merge/JoinTexts.h"

namespace merge {

namespace {

using sheet::Range;
using sheet::Variant;

constexpr long xlLeft = -4131;
constexpr long xlRight = -4152;
constexpr long xlTop = -4160;
constexpr long xlBottom = -4107;

bool IsTop(MergeTarget target) {
    return target == MergeTarget::TopLeftCell || target == MergeTarget::TopRightCell || target == MergeTarget::TopCells;
}

bool IsLeft(MergeTarget target) {
    return target == MergeTarget::LeftCells || target == MergeTarget::TopLeftCell ||
           target == MergeTarget::BottomLeftCell;
}

// A rectangle of the area's cells, from 1, relative to its top-left cell.
struct Block {
    long top;
    long left;
    long rows;
    long columns;
};

// The steps of one area. When every group is a single cell, its joined text is the cell's own displayed
// text: writing it back would trade a formula or a number for that text, so values are left alone and only
// the formatting steps run.
//
// A group's sources are emptied only once its joined text stands in the cell that keeps it (the target, or
// the top-left cell of a range to merge), so a failure at any call loses no text: every cell holds what it
// held or what the run leaves in it.
class AreaWriter {
public:
    AreaWriter(const Range& area, const TextGrid& texts, const MergeRequest& request, MergeResult& result,
               const std::function<void(long)>& rowDone)
        : m_area(area),
          m_cells(area.Cells()),
          m_rows(texts.rows),
          m_columns(texts.columns),
          m_target(request.target),
          m_writesValues(!GroupsAreSingleCells(GroupingOf(request.target), texts.rows, texts.columns)),
          m_clears((request.mergeCells || request.clearSources) && m_writesValues),
          m_result(result),
          m_rowDone(rowDone) {}

    void Run(const TextGrid& texts, const MergeRequest& request) {
        std::vector<std::wstring> typed = TypedResults(JoinGroups(texts, GroupingOf(m_target), request.separator));
        if (!request.mergeCells) {
            WriteCells(typed);
            return;
        }
        switch (GroupingOf(m_target)) {
        case Grouping::RowByRow: MergeRows(typed); break;
        case Grouping::ColumnByColumn: MergeColumns(typed); break;
        case Grouping::InOneCell: MergeWhole(typed.front()); break;
        }
    }

private:
    // Each joined text as it is written: one Excel would read as a number, a date or a formula keeps a
    // leading apostrophe, so that the cell holds exactly the joined text.
    std::vector<std::wstring> TypedResults(std::vector<std::wstring> joined) const {
        if (!m_writesValues) return joined;
        for (std::wstring& text : joined) {
            if (text.empty()) continue;
            text = AsTypedText(text);
            if (text.size() > kCellTextLimit) {
                throw sheet::CAutomationError(
                    E_INVALIDARG,
                    L"The joined text would be longer than the 32,767 characters a cell can hold. Select fewer "
                    L"cells or a shorter separator and try again.");
            }
        }
        return joined;
    }

    Range CellsOf(const Block& block) const {
        return m_cells.Item(block.top, block.left).Resize(block.rows, block.columns);
    }

    // Puts the joined text into the cell of its group that keeps it.
    void Put(long row, long column, const std::wstring& typed) {
        if (!m_writesValues) return;
        m_cells.Item(row, column).SetValue(Variant::String(typed));
        Written();
    }

    // Empties the group's cells but the one that keeps the joined text, when asked. That cell sits at a
    // corner of the group, so the others make at most two rectangles.
    void ClearOthers(const Block& group, long keepRow, long keepColumn) const {
        if (!m_clears) return;
        if (group.rows > 1)
            CellsOf({keepRow == group.top ? group.top + 1 : group.top, group.left, group.rows - 1, group.columns})
                .ClearContents();
        if (group.columns > 1)
            CellsOf({keepRow, keepColumn == group.left ? group.left + 1 : group.left, 1, group.columns - 1})
                .ClearContents();
    }

    void WriteGroup(const Block& group, long row, long column, const std::wstring& typed) {
        Put(row, column, typed);
        ClearOthers(group, row, column);
    }

    // A group whose joined text is empty has nothing to keep: it is emptied whole when clearing.
    void ClearEmptyGroup(const Range& group) const {
        if (m_clears) group.ClearContents();
    }

    void Written() { ++m_result.cellsWritten; }

    void WriteCells(const std::vector<std::wstring>& typed) {
        if (!m_writesValues) return;
        switch (GroupingOf(m_target)) {
        case Grouping::RowByRow: {
            const long column = IsLeft(m_target) ? 1 : m_columns;
            for (long r = 1; r <= m_rows; ++r) {
                const std::wstring& text = typed[static_cast<size_t>(r - 1)];
                if (text.empty())
                    ClearEmptyGroup(CellsOf({r, 1, 1, m_columns}));
                else
                    WriteGroup({r, 1, 1, m_columns}, r, column, text);
                RowDone(r);
            }
            break;
        }
        case Grouping::ColumnByColumn: {
            const long row = IsTop(m_target) ? 1 : m_rows;
            for (long c = 1; c <= m_columns; ++c) {
                const std::wstring& text = typed[static_cast<size_t>(c - 1)];
                if (text.empty())
                    ClearEmptyGroup(CellsOf({1, c, m_rows, 1}));
                else
                    WriteGroup({1, c, m_rows, 1}, row, c, text);
            }
            break;
        }
        case Grouping::InOneCell: {
            const std::wstring& text = typed.front();
            if (text.empty()) {
                ClearEmptyGroup(m_area);
                break;
            }
            const long row = IsTop(m_target) ? 1 : m_rows;
            const long column = IsLeft(m_target) ? 1 : m_columns;
            Put(row, column, text);
            m_cells.Item(row, column).SetWrapText(true);
            ClearOthers({1, 1, m_rows, m_columns}, row, column);
            break;
        }
        }
    }

    // A merged range keeps the value of its top-left cell, so that is where each joined text goes first; the
    // unmerging comes before the emptying, so that it never cuts through an older merged cell.
    void MergeRows(const std::vector<std::wstring>& typed) {
        Range rows = m_area.Rows();
        for (long r = 1; r <= m_rows; RowDone(r++)) {
            const std::wstring& text = typed[static_cast<size_t>(r - 1)];
            Range row = rows.Item(r);
            if (m_target == MergeTarget::LeftCells) {
                if (text.empty()) {
                    ClearEmptyGroup(row);
                    continue;
                }
                Put(r, 1, text);
                row.SetWrapText(true);
                row.UnMerge();
                ClearOthers({r, 1, 1, m_columns}, r, 1);
                row.Merge();
                row.SetHorizontalAlignment(xlLeft);
            } else {
                // An empty row is merged and aligned too, as the other rows of the area are.
                if (!text.empty()) Put(r, 1, text);
                row.UnMerge();
                if (text.empty())
                    ClearEmptyGroup(row);
                else
                    ClearOthers({r, 1, 1, m_columns}, r, 1);
                row.Merge();
                row.SetHorizontalAlignment(xlRight);
                if (!text.empty()) row.SetWrapText(true);
            }
            CountMerge();
        }
    }

    void MergeColumns(const std::vector<std::wstring>& typed) {
        Range columns = m_area.Columns();
        const long vertical = IsTop(m_target) ? xlTop : xlBottom;
        for (long c = 1; c <= m_columns; ++c) {
            const std::wstring& text = typed[static_cast<size_t>(c - 1)];
            Range column = columns.Item(c);
            if (text.empty()) {
                ClearEmptyGroup(column);
                continue;
            }
            Put(1, c, text);
            column.SetWrapText(true);
            column.UnMerge();
            ClearOthers({1, c, m_rows, 1}, 1, c);
            // The width the column has now is the one it keeps through the merge.
            Range entireColumn = column.EntireColumn();
            Variant width = entireColumn.ColumnWidth();
            column.Merge();
            entireColumn.SetColumnWidth(width);
            column.SetVerticalAlignment(vertical);
            CountMerge();
        }
    }

    void MergeWhole(const std::wstring& text) {
        if (text.empty()) {
            ClearEmptyGroup(m_area);
            m_area.Merge();
            CountMerge();
            return;
        }
        Put(1, 1, text);
        m_area.UnMerge();
        ClearOthers({1, 1, m_rows, m_columns}, 1, 1);
        m_area.Merge();
        m_area.SetWrapText(true);
        m_area.SetHorizontalAlignment(IsLeft(m_target) ? xlLeft : xlRight);
        m_area.SetVerticalAlignment(IsTop(m_target) ? xlTop : xlBottom);
        CountMerge();
    }

    void RowDone(long row) const {
        if (m_rowDone) m_rowDone(row);
    }

    // A group of one cell merges nothing.
    void CountMerge() {
        if (m_writesValues) ++m_result.groupsMerged;
    }

    const Range& m_area;
    const Range m_cells;
    const long m_rows;
    const long m_columns;
    const MergeTarget m_target;
    const bool m_writesValues;
    const bool m_clears;
    MergeResult& m_result;
    const std::function<void(long)>& m_rowDone;
};

}  // namespace

void MergeArea(const Range& area, const TextGrid& texts, const MergeRequest& request, MergeResult& result,
               const std::function<void(long row)>& rowDone) {
    AreaWriter(area, texts, request, result, rowDone).Run(texts, request);
    ++result.areas;
}

}  // namespace merge
