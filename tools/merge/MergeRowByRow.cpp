#include "tools/common/BlockWriter.h"
#include "tools/merge/MergeFormats.h"
#include "tools/merge/MergeGroups.h"

namespace merge {

namespace {

using blocks::BlockRect;
using blocks::PlacedBlock;

class RowMerger {
public:
    RowMerger(const PlacedBlock& area, MergeRun& run)
        : m_area(area),
          m_run(run),
          m_request(run.request),
          m_left(run.request.target == MergeTarget::LeftCells),
          m_writesValues(!GroupsAreSingleCells(Grouping::RowByRow, area.rows, area.columns)) {}

    bool Run() {
        blocks::BlockReader reader(m_area.range);
        blocks::KnownTexts known;
        std::vector<JoinedText> joins;
        std::vector<bool> blankTargets;
        // The target column: where the joined text stays (a merged row keeps its leftmost cell's).
        const long target = m_left || m_request.mergeCells ? 1 : m_area.columns;
        for (blocks::Block block; reader.Next(block);) {
            const BlockRect place = block.Place();
            if (place.column == 1) {
                joins.assign(static_cast<size_t>(place.rows),
                             JoinedText(JoinRule::BetweenNonEmpty, m_request.separator));
                blankTargets.assign(static_cast<size_t>(place.rows), false);
            }
            JoinBlock(block, Grouping::RowByRow, joins, 0, known);
            if (target >= place.column && target < place.column + place.columns)
                for (long r = 1; r <= place.rows; ++r)
                    blankTargets[static_cast<size_t>(r - 1)] = block.Value(r, target - place.column + 1).vt == VT_EMPTY;
            // A band of rows is done with its last block.
            if (place.column + place.columns - 1 < m_area.columns) continue;
            // The band's texts are joined: they go before it is written, all but its range when it is one block.
            const sheet::Range bandRange = place.column == 1 ? block.Range() : sheet::Range();
            block = blocks::Block();
            if (!FinishBand(place.row, place.rows, bandRange, joins, blankTargets)) return false;
        }
        return true;
    }

private:
    bool FinishBand(long top, long rows, const sheet::Range& bandRange, std::vector<JoinedText>& joins,
                    const std::vector<bool>& blankTargets) {
        if (!m_writesValues) {
            FormatCellsOfTheirOwn(blocks::PartOf(m_area, {top, 1, rows, 1}), ShowText(joins));
        } else {
            TypedTexts typed = TypedTextsOf(joins);
            const long written = static_cast<long>(typed.texts.size());
            const BlockRect band{top, 1, written, m_area.columns};
            if (written == rows && !bandRange.IsEmpty())
                WriteBand({m_area.sheet, bandRange, m_area.row + top - 1, m_area.column, rows, m_area.columns},
                          std::move(typed.texts), blankTargets);
            else if (written > 0)
                WriteBand(blocks::PartOf(m_area, band), std::move(typed.texts), blankTargets);
            if (typed.firstTooLong >= 0)
                FailTooLong(L"row " + std::to_wstring(m_area.row + top - 1 + typed.firstTooLong));
        }
        m_run.rowsDone += rows;
        return m_run.progress.Continue(m_run.rowsDone);
    }

    // The order keeps every text: the rows to merge are unmerged first, so that no target is a cell hidden in
    // an older merged area (where a write would be dropped); each joined text is written before the other cells
    // of its row are emptied; the rows are merged only then, each holding a value in its leftmost cell alone.
    void WriteBand(const PlacedBlock& band, std::vector<std::wstring> texts, const std::vector<bool>& blankTargets) {
        const std::vector<bool> joined = Joined(texts);
        const long rows = band.rows;
        const long columns = band.columns;
        const bool merging = m_request.mergeCells;
        const bool holdsMerges = !band.range.MergeCells().IsFalseBool();
        const Ranges textRows = blocks::RangesOf(band, blocks::RowRuns(joined, 1, columns));
        const Ranges mergedRows = m_left ? textRows : Ranges{band.range};
        if (merging) Unmerge(mergedRows);
        // Rows without text are emptied with the targets where no merged cell can be in the way, or with their
        // other cells; a blank target is written as nothing with its neighbours, so that the texts of a band
        // go in one put.
        const bool freeOfMerges = !holdsMerges || (merging && !m_left);
        const long target = m_left || merging ? 1 : columns;
        WriteTargets(blocks::RangeOf(band, {1, target, rows, 1}), true, std::move(texts),
                     EmptyTargets(blankTargets, rows, freeOfMerges, merging || m_request.clearSources),
                     !merging && holdsMerges);
        m_run.result.cellsWritten += CountOf(joined);
        if (!merging) {
            if (m_request.clearSources) EmptyCells({blocks::RangeOf(band, {1, m_left ? 2 : 1, rows, columns - 1})});
            return;
        }
        if (m_left) WrapText(textRows);
        // Into the left cells a row without text is not unmerged: its old merged cells, if any, stay.
        EmptyAllButFirst(band, Grouping::RowByRow, joined, freeOfMerges);
        MergeEach(mergedRows, true);
        AlignHorizontally(mergedRows, m_left ? xlLeft : xlRight);
        if (!m_left) WrapText(textRows);
        m_run.result.groupsMerged += m_left ? CountOf(joined) : rows;
    }

    // One column, merged: each cell is its own group and keeps its value; merging only formats the cells, those
    // that show a text and, into the right cells, all of them.
    void FormatCellsOfTheirOwn(const PlacedBlock& band, const std::vector<bool>& joined) const {
        const Ranges textCells = blocks::RangesOf(band, blocks::RowRuns(joined, 1, 1));
        if (m_left) {
            WrapText(textCells);
            Unmerge(textCells);
            AlignHorizontally(textCells, xlLeft);
            return;
        }
        Unmerge({band.range});
        AlignHorizontally({band.range}, xlRight);
        WrapText(textCells);
    }

    const PlacedBlock& m_area;
    MergeRun& m_run;
    const MergeRequest& m_request;
    const bool m_left;
    const bool m_writesValues;
};

}  // namespace

bool MergeRowByRow(const PlacedBlock& area, MergeRun& run) { return RowMerger(area, run).Run(); }

}  // namespace merge
