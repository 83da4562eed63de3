#include <algorithm>

#include "tools/common/ColumnLetters.h"
#include "tools/merge/MergeFormats.h"
#include "tools/merge/MergeGroups.h"

namespace merge {

namespace {

using blocks::BlockRect;
using blocks::PlacedBlock;

class ColumnMerger {
public:
    ColumnMerger(const PlacedBlock& area, MergeRun& run)
        : m_area(area),
          m_run(run),
          m_request(run.request),
          m_top(run.request.target == MergeTarget::TopCells),
          m_writesValues(!GroupsAreSingleCells(Grouping::ColumnByColumn, area.rows, area.columns)) {}

    bool Run() {
        for (long left = 1; left <= m_area.columns; left += kStripColumns) {
            const long width = std::min(kStripColumns, m_area.columns - left + 1);
            if (!Strip(blocks::PartOf(m_area, {1, left, m_area.rows, width}))) return false;
        }
        return true;
    }

private:
    bool Strip(const PlacedBlock& strip) {
        const long rowsBefore = m_run.rowsDone;
        std::vector<JoinedText> joins(static_cast<size_t>(strip.columns),
                                      JoinedText(JoinRule::FromFirst, m_request.separator));
        std::vector<bool> blankTargets(static_cast<size_t>(strip.columns));
        // The row that keeps each column's text (a merged column keeps its top cell's).
        const long target = m_top || m_request.mergeCells ? 1 : strip.rows;
        blocks::BlockReader reader(strip.range);
        blocks::KnownTexts known;
        for (blocks::Block block; reader.Next(block);) {
            const BlockRect& place = block.Place();
            JoinBlock(block, Grouping::ColumnByColumn, joins, place.column - 1, known);
            if (target >= place.row && target < place.row + place.rows)
                for (long c = 1; c <= place.columns; ++c)
                    blankTargets[static_cast<size_t>(place.column + c - 2)] =
                        block.Value(target - place.row + 1, c).vt == VT_EMPTY;
            if (place.column + place.columns - 1 < strip.columns) continue;
            // Nothing of a strip is written before its last row is read: its first column too long ends it now.
            if (m_writesValues && joins.front().TooLong())
                FailTooLong(L"column " + blocks::ColumnLetters(strip.column));
            m_run.rowsDone = rowsBefore + place.row + place.rows - 1;
            if (!m_run.progress.Continue(m_run.rowsDone)) {
                // Stopped while reading: what was done is the strips before.
                m_run.progress.Advance(rowsBefore);
                return false;
            }
        }
        if (!m_writesValues) {
            FormatCellsOfTheirOwn(strip, ShowText(joins));
            return true;
        }
        TypedTexts typed = TypedTextsOf(joins);
        const long written = static_cast<long>(typed.texts.size());
        if (written > 0)
            WriteStrip(blocks::PartOf(strip, {1, 1, strip.rows, written}), std::move(typed.texts), blankTargets);
        if (typed.firstTooLong >= 0) FailTooLong(L"column " + blocks::ColumnLetters(strip.column + typed.firstTooLong));
        return true;
    }

    // The order keeps every text, as for rows: the columns to merge are unmerged first, each joined text is
    // written before the other cells of its column are emptied, and the columns are merged only then.
    void WriteStrip(const PlacedBlock& strip, std::vector<std::wstring> texts, const std::vector<bool>& blankTargets) {
        const std::vector<bool> joined = Joined(texts);
        const long rows = strip.rows;
        const long columns = strip.columns;
        const bool merging = m_request.mergeCells;
        const bool holdsMerges = !strip.range.MergeCells().IsFalseBool();
        const Ranges textColumns = blocks::RangesOf(strip, blocks::ColumnRuns(joined, 1, rows));
        if (merging) Unmerge(textColumns);
        const long target = m_top || merging ? 1 : rows;
        WriteTargets(blocks::RangeOf(strip, {target, 1, 1, columns}), false, std::move(texts),
                     EmptyTargets(blankTargets, columns, !holdsMerges, merging || m_request.clearSources),
                     !merging && holdsMerges);
        m_run.result.cellsWritten += CountOf(joined);
        if (!merging) {
            if (m_request.clearSources) EmptyCells({blocks::RangeOf(strip, {m_top ? 2 : 1, 1, rows - 1, columns})});
            return;
        }
        WrapText(textColumns);
        // A column without text is not unmerged: its old merged cells, if any, stay.
        EmptyAllButFirst(strip, Grouping::ColumnByColumn, joined, !holdsMerges);
        // The width the columns have now is the one they keep through the merge.
        const ColumnWidths widths = ColumnWidths::Keep({strip.range});
        MergeEach(blocks::RangesOf(strip, EachColumn(joined, rows)), false);
        widths.GiveBack();
        AlignVertically(textColumns, m_top ? xlTop : xlBottom);
        m_run.result.groupsMerged += CountOf(joined);
    }

    // Each column with a text, an area of its own: a merge makes one cell of each.
    static std::vector<BlockRect> EachColumn(const std::vector<bool>& joined, long rows) {
        std::vector<BlockRect> columns;
        for (size_t i = 0; i < joined.size(); ++i)
            if (joined[i]) columns.push_back({1, static_cast<long>(i) + 1, rows, 1});
        return columns;
    }

    // One row, merged: each cell is its own group and keeps its value; merging only formats the cells that show
    // a text.
    void FormatCellsOfTheirOwn(const PlacedBlock& strip, const std::vector<bool>& shown) const {
        const Ranges textCells = blocks::RangesOf(strip, blocks::ColumnRuns(shown, 1, 1));
        WrapText(textCells);
        Unmerge(textCells);
        AlignVertically(textCells, m_top ? xlTop : xlBottom);
    }

    const PlacedBlock& m_area;
    MergeRun& m_run;
    const MergeRequest& m_request;
    const bool m_top;
    const bool m_writesValues;
};

}  // namespace

bool MergeColumnByColumn(const PlacedBlock& area, MergeRun& run) { return ColumnMerger(area, run).Run(); }

}  // namespace merge
