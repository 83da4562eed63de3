#include "tools/common/MergedAreas.h"
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
    sheet::Range Cell(long row, long column) const { return blocks::RangeOf(m_area, {row, column, 1, 1}); }

    // The corner's text goes to the user's merged area around it, where the area holds one (its top-left cell
    // shows it); the rest of the area is emptied around the receiving cells, never through them.
    void WriteCorner(const std::wstring& text) {
        if (text.empty()) {
            if (m_request.clearSources) EmptyCells({m_area.range});
            return;
        }
        const long row = IsTop(m_request.target) ? 1 : m_area.rows;
        const long column = IsLeft(m_request.target) ? 1 : m_area.columns;
        const BlockRect receiving = ReceivingCells(row, column);
        const sheet::Range corner = Cell(receiving.row, receiving.column);
        WriteTargets(corner, true, {text}, {EmptyTarget::Keep});
        ++m_run.result.cellsWritten;
        WrapText({corner});
        if (m_request.clearSources) EmptyCells(blocks::RangesOf(m_area, AllBut(receiving)));
    }

    BlockRect ReceivingCells(long row, long column) const {
        const BlockRect corner{row, column, 1, 1};
        if (m_area.range.MergeCells().IsFalseBool()) return corner;
        for (const BlockRect& merged : blocks::MergedAreasMeeting(m_area.range, m_area.rows, m_area.columns, corner))
            if (merged.row >= 1 && merged.column >= 1 && merged.row + merged.rows - 1 <= m_area.rows &&
                merged.column + merged.columns - 1 <= m_area.columns)
                return merged;
        return corner;
    }

    // The area's cells but the rectangle: the rows above and below it, and its rows left and right of it.
    std::vector<BlockRect> AllBut(const BlockRect& kept) const {
        std::vector<BlockRect> rects;
        const long below = kept.row + kept.rows;
        if (kept.row > 1) rects.push_back({1, 1, kept.row - 1, m_area.columns});
        if (kept.column > 1) rects.push_back({kept.row, 1, kept.rows, kept.column - 1});
        if (kept.column + kept.columns <= m_area.columns)
            rects.push_back(
                {kept.row, kept.column + kept.columns, kept.rows, m_area.columns - kept.column - kept.columns + 1});
        if (below <= m_area.rows) rects.push_back({below, 1, m_area.rows - below + 1, m_area.columns});
        return rects;
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
        EmptyCells(blocks::RangesOf(m_area, AllBut({1, 1, 1, 1})));
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
