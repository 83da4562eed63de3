#include "tools/merge/MergeFormats.h"
#include "tools/merge/MergeGroups.h"

namespace merge {

namespace {

using blocks::BlockRect;
using blocks::PlacedBlock;

bool IsTop(MergeTarget target) { return target == MergeTarget::TopLeftCell || target == MergeTarget::TopRightCell; }
bool IsLeft(MergeTarget target) { return target == MergeTarget::TopLeftCell || target == MergeTarget::BottomLeftCell; }

class WholeMerger {
public:
    WholeMerger(const PlacedBlock& area, MergeRun& run) : m_area(area), m_run(run), m_request(run.request) {}

    bool Run() {
        const long rowsBefore = m_run.rowsDone;
        std::vector<JoinedText> join(1, JoinedText(JoinRule::BetweenNonEmpty, m_request.separator));
        blocks::BlockReader reader(m_area.range);
        blocks::KnownTexts known;
        for (blocks::Block block; reader.Next(block);) {
            JoinBlock(block, Grouping::InOneCell, join, 0, known);
            // Nothing is written before the last cell is read: a text too long already ends the run now.
            if (join.front().TooLong()) FailTooLong();
            const BlockRect& place = block.Place();
            if (place.column + place.columns - 1 < m_area.columns) continue;
            m_run.rowsDone = rowsBefore + place.row + place.rows - 1;
            if (!m_run.progress.Continue(m_run.rowsDone)) {
                m_run.progress.Advance(rowsBefore);
                return false;
            }
        }
        TypedTexts typed = TypedTextsOf(join);
        if (typed.firstTooLong >= 0) FailTooLong();
        if (m_request.mergeCells)
            MergeWhole(typed.texts.front());
        else
            WriteCorner(typed.texts.front());
        return true;
    }

private:
    Ranges Others(long keepRow, long keepColumn) const {
        return blocks::RangesOf(m_area, OthersOf({1, 1, m_area.rows, m_area.columns}, keepRow, keepColumn));
    }

    sheet::Range Cell(long row, long column) const { return blocks::RangeOf(m_area, {row, column, 1, 1}); }

    void WriteCorner(const std::wstring& text) {
        if (text.empty()) {
            if (m_request.clearSources) EmptyCells({m_area.range});
            return;
        }
        const long row = IsTop(m_request.target) ? 1 : m_area.rows;
        const long column = IsLeft(m_request.target) ? 1 : m_area.columns;
        const sheet::Range corner = Cell(row, column);
        WriteTargets(corner, true, {text}, {EmptyTarget::Keep});
        ++m_run.result.cellsWritten;
        WrapText({corner});
        if (m_request.clearSources) EmptyCells(Others(row, column));
    }

    // A merged area keeps its top-left cell's value, so that is where the text goes, once no older merged cell
    // hides it, before the rest is emptied.
    void MergeWhole(const std::wstring& text) {
        ++m_run.result.groupsMerged;
        if (text.empty()) {
            EmptyCells({m_area.range});
            MergeEach({m_area.range}, false);
            return;
        }
        Unmerge({m_area.range});
        WriteTargets(Cell(1, 1), true, {text}, {EmptyTarget::Keep});
        ++m_run.result.cellsWritten;
        EmptyCells(Others(1, 1));
        MergeEach({m_area.range}, false);
        WrapText({m_area.range});
        AlignHorizontally({m_area.range}, IsLeft(m_request.target) ? xlLeft : xlRight);
        AlignVertically({m_area.range}, IsTop(m_request.target) ? xlTop : xlBottom);
    }

    const PlacedBlock& m_area;
    MergeRun& m_run;
    const MergeRequest& m_request;
};

}  // namespace

bool MergeInOneCell(const PlacedBlock& area, MergeRun& run) { return WholeMerger(area, run).Run(); }

}  // namespace merge
