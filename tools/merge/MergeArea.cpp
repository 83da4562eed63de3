#include "tools/merge/MergeArea.h"

#include <string>
#include <vector>

#include "sheet/AutomationError.h"
#include "tools/cleanup/TextStaysText.h"
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

// The steps of one area. When every group is a single cell, its joined text is the cell's own displayed
// text: writing it back would trade a formula or a number for that text, so values are left alone and only
// the formatting steps run.
class AreaWriter {
public:
    AreaWriter(const Range& area, const TextGrid& texts, const MergeRequest& request, MergeResult& result,
               const std::function<void(long)>& rowDone)
        : m_area(area),
          m_rows(texts.rows),
          m_columns(texts.columns),
          m_target(request.target),
          m_writesValues(!GroupsAreSingleCells(GroupingOf(request.target), texts.rows, texts.columns)),
          m_result(result),
          m_rowDone(rowDone) {}

    void Run(const TextGrid& texts, const MergeRequest& request) {
        std::vector<std::wstring> typed = TypedResults(JoinGroups(texts, GroupingOf(m_target), request.separator));
        if ((request.mergeCells || request.clearSources) && m_writesValues) m_area.ClearContents();
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
            text = cleanup::AsTypedText(text);
            if (text.size() > kCellTextLimit) {
                throw sheet::CAutomationError(
                    E_INVALIDARG,
                    L"The joined text would be longer than the 32,767 characters a cell can hold. Select fewer "
                    L"cells or a shorter separator and try again.");
            }
        }
        return joined;
    }

    void PutText(const Range& target, const std::wstring& typed) {
        if (!m_writesValues) return;
        target.SetValue(Variant::String(typed));
    }

    void PutEmpty(const Range& target) const {
        if (m_writesValues) target.SetValue(Variant::String(std::wstring()));
    }

    void Written() {
        if (m_writesValues) ++m_result.cellsWritten;
    }

    void WriteCells(const std::vector<std::wstring>& typed) {
        if (!m_writesValues) return;
        Range cells = m_area.Cells();
        switch (GroupingOf(m_target)) {
        case Grouping::RowByRow: {
            const long column = IsLeft(m_target) ? 1 : m_columns;
            for (long r = 1; r <= m_rows; ++r) {
                WriteCell(cells, r, column, typed[static_cast<size_t>(r - 1)]);
                RowDone(r);
            }
            break;
        }
        case Grouping::ColumnByColumn: {
            const long row = IsTop(m_target) ? 1 : m_rows;
            for (long c = 1; c <= m_columns; ++c) WriteCell(cells, row, c, typed[static_cast<size_t>(c - 1)]);
            break;
        }
        case Grouping::InOneCell: {
            const std::wstring& text = typed.front();
            if (text.empty()) break;
            Range cell = cells.Item(IsTop(m_target) ? 1 : m_rows, IsLeft(m_target) ? 1 : m_columns);
            PutText(cell, text);
            Written();
            cell.SetWrapText(true);
            break;
        }
        }
    }

    void WriteCell(const Range& cells, long row, long column, const std::wstring& typed) {
        if (typed.empty()) return;
        PutText(cells.Item(row, column), typed);
        Written();
    }

    void MergeRows(const std::vector<std::wstring>& typed) {
        Range rows = m_area.Rows();
        for (long r = 1; r <= m_rows; RowDone(r++)) {
            const std::wstring& text = typed[static_cast<size_t>(r - 1)];
            if (m_target == MergeTarget::LeftCells) {
                if (text.empty()) continue;
                Range row = rows.Item(r);
                row.SetWrapText(true);
                row.UnMerge();
                PutEmpty(row);
                row.Merge();
                row.SetHorizontalAlignment(xlLeft);
                PutText(row, text);
            } else {
                // An empty row is merged and aligned too, as the other rows of the area are.
                Range row = rows.Item(r);
                row.Merge();
                row.SetHorizontalAlignment(xlRight);
                if (text.empty()) {
                    CountMerge();
                    continue;
                }
                row.SetWrapText(true);
                row.UnMerge();
                PutEmpty(row);
                row.Merge();
                PutText(row, text);
            }
            CountMerge();
            Written();
        }
    }

    void MergeColumns(const std::vector<std::wstring>& typed) {
        Range columns = m_area.Columns();
        const long vertical = IsTop(m_target) ? xlTop : xlBottom;
        for (long c = 1; c <= m_columns; ++c) {
            const std::wstring& text = typed[static_cast<size_t>(c - 1)];
            if (text.empty()) continue;
            Range column = columns.Item(c);
            column.SetWrapText(true);
            PutText(column, text);
            // Filling the column may widen it; the width it has now is the one it keeps.
            Range entireColumn = column.EntireColumn();
            Variant width = entireColumn.ColumnWidth();
            column.UnMerge();
            PutEmpty(column);
            column.Merge();
            PutText(column, text);
            entireColumn.SetColumnWidth(width);
            column.SetVerticalAlignment(vertical);
            CountMerge();
            Written();
        }
    }

    void MergeWhole(const std::wstring& text) {
        m_area.Merge();
        CountMerge();
        if (text.empty()) return;
        m_area.SetWrapText(true);
        PutEmpty(m_area);
        PutText(m_area, text);
        m_area.SetHorizontalAlignment(IsLeft(m_target) ? xlLeft : xlRight);
        m_area.SetVerticalAlignment(IsTop(m_target) ? xlTop : xlBottom);
        Written();
    }

    void RowDone(long row) const {
        if (m_rowDone) m_rowDone(row);
    }

    // A group of one cell merges nothing.
    void CountMerge() {
        if (m_writesValues) ++m_result.groupsMerged;
    }

    const Range& m_area;
    const long m_rows;
    const long m_columns;
    const MergeTarget m_target;
    const bool m_writesValues;
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
