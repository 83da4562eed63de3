#include <algorithm>
#include <functional>

#include "tools/common/ColumnLetters.h"
#include "tools/common/KnownContents.h"
#include "tools/common/ClearingRects.h"
#include "tools/common/MergedAreas.h"
#include "tools/common/RecordingRun.h"
#include "tools/merge/MergeFormats.h"
#include "tools/merge/MergeGroups.h"

namespace merge {

namespace {

using blocks::BlockRect;
using blocks::PlacedBlock;

// Where each group's joined text is received, as positions along the group: the target cell alone, or the
// user's merged area that holds it within the group (its top-left cell shows the text, the rest is not a
// source to empty).
struct Receiver {
    long first;
    long last;
    friend bool operator==(const Receiver& a, const Receiver& b) { return a.first == b.first && a.last == b.last; }
};

// What a slice's reads held, kept while it is written so that the run's record need not read its cells again;
// only during a recorded run, and only up to kKeptBytes (past that the record reads what it needs).
class KeptReads {
public:
    void Keep(blocks::Block&& block) {
        if (!blocks::CurrentRecord() || m_bytes + block.Bytes() > kKeptBytes) return;
        m_bytes += block.Bytes();
        m_blocks.push_back(std::move(block));
    }
    // `area` is what the blocks' places are counted from.
    void LendTo(blocks::KnownContents& known, const PlacedBlock& area) const {
        for (const blocks::Block& block : m_blocks) {
            const BlockRect& place = block.Place();
            known.Add(block, {area.row + place.row - 1, area.column + place.column - 1, place.rows, place.columns});
        }
    }
    void Clear() {
        m_blocks.clear();
        m_bytes = 0;
    }

private:
    static constexpr std::size_t kKeptBytes = 32u << 20;
    std::vector<blocks::Block> m_blocks;
    std::size_t m_bytes = 0;
};

// Rows joined band by band or columns strip by strip, one direction's geometry over the same steps: a "line"
// is a group (a row or a column), its cells lie "along" it, and a slice (band or strip) holds many lines.
class LineMerger {
public:
    LineMerger(const PlacedBlock& area, MergeRun& run, Grouping grouping)
        : m_area(area),
          m_run(run),
          m_request(run.request),
          m_grouping(grouping),
          m_byRow(grouping == Grouping::RowByRow),
          m_first(run.request.target == MergeTarget::LeftCells || run.request.target == MergeTarget::TopCells),
          m_writesValues(!GroupsAreSingleCells(grouping, area.rows, area.columns)) {}

    bool Run() { return m_byRow ? Bands() : Strips(); }

private:
    long Lines(const PlacedBlock& slice) const { return m_byRow ? slice.rows : slice.columns; }
    long Length(const PlacedBlock& slice) const { return m_byRow ? slice.columns : slice.rows; }
    // `count` lines from `first`, cells `from` to `from + length - 1` along them.
    BlockRect Across(long first, long count, long from, long length) const {
        return m_byRow ? BlockRect{first, from, count, length} : BlockRect{from, first, length, count};
    }
    std::vector<BlockRect> Runs(const std::vector<bool>& marked, long from, long length) const {
        return m_byRow ? blocks::RowRuns(marked, from, length) : blocks::ColumnRuns(marked, from, length);
    }
    // The cell along a line that keeps the joined text (a merged line keeps its first cell's).
    long TargetOf(long length) const { return m_first || m_request.mergeCells ? 1 : length; }
    // Into the right cells every row is merged, with a text or without.
    bool MergesEveryLine() const { return m_byRow && !m_first; }

    // Notes which targets of the block's lines are blank; `first` is the block's first line in the slice.
    void NoteBlankTargets(const blocks::Block& block, long target, long first, std::vector<bool>& blank) const {
        const BlockRect& place = block.Place();
        const long from = m_byRow ? place.column : place.row;
        const long along = m_byRow ? place.columns : place.rows;
        if (target < from || target >= from + along) return;
        for (long i = 1; i <= (m_byRow ? place.rows : place.columns); ++i) {
            const VARIANT& value = m_byRow ? block.Value(i, target - from + 1) : block.Value(target - from + 1, i);
            blank[static_cast<size_t>(first + i - 2)] = value.vt == VT_EMPTY;
        }
    }

    bool Bands() {
        // Bands are written one by one: their edges never cut a merged area.
        blocks::BlockReader reader(m_area.range, {blocks::kDefaultBlockCells, blocks::FormulaCells::Ignored,
                                                  blocks::kDefaultBlockBytes, blocks::MergedAreaEdges::KeptWhole});
        blocks::KnownTexts known;
        std::vector<JoinedText> joins;
        std::vector<bool> blankTargets;
        const long target = TargetOf(m_area.columns);
        KeptReads read;
        for (blocks::Block block; reader.Next(block);) {
            const BlockRect place = block.Place();
            if (place.column == 1) {
                joins.assign(static_cast<size_t>(place.rows), JoinedText(JoinRuleOf(m_grouping), m_request.separator));
                blankTargets.assign(static_cast<size_t>(place.rows), false);
            }
            JoinBlock(block, m_grouping, joins, 0, known);
            NoteBlankTargets(block, target, 1, blankTargets);
            // A band of rows is done with its last block.
            if (place.column + place.columns - 1 < m_area.columns) {
                read.Keep(std::move(block));
                continue;
            }
            reader.Made(WrittenBytes(joins));
            // The band's texts are joined: they go before it is written, all but its range when it is one block.
            const BlockRect rows{place.row, 1, place.rows, m_area.columns};
            const PlacedBlock band = place.column == 1
                                         ? PlacedBlock{m_area.sheet,  block.Range(), m_area.row + place.row - 1,
                                                       m_area.column, place.rows,    m_area.columns}
                                         : blocks::PartOf(m_area, rows);
            read.Keep(std::move(block));
            {
                blocks::KnownContents lent;
                read.LendTo(lent, m_area);
                FinishSlice(band, joins, blankTargets);
            }
            read.Clear();
            m_run.rowsDone += place.rows;
            if (!m_run.progress.Continue(m_run.rowsDone)) return false;
        }
        return true;
    }

    bool Strips() {
        for (long left = 1; left <= m_area.columns;) {
            long last = std::min(m_area.columns, left + kStripColumns - 1);
            // A strip is written whole: its right edge never cuts a merged area.
            if (last < m_area.columns)
                last = blocks::GrowPastMergedAreas(m_area.range, m_area.rows, m_area.columns, last,
                                                   blocks::PartEdge::AfterColumn);
            if (!Strip(blocks::PartOf(m_area, {1, left, m_area.rows, last - left + 1}))) return false;
            left = last + 1;
        }
        return true;
    }

    bool Strip(const PlacedBlock& strip) {
        const long rowsBefore = m_run.rowsDone;
        std::vector<JoinedText> joins(static_cast<size_t>(strip.columns),
                                      JoinedText(JoinRuleOf(m_grouping), m_request.separator));
        std::vector<bool> blankTargets(static_cast<size_t>(strip.columns));
        const long target = TargetOf(strip.rows);
        blocks::BlockReader reader(strip.range);
        KeptReads read;
        blocks::KnownTexts known;
        for (blocks::Block block; reader.Next(block);) {
            const BlockRect place = block.Place();
            JoinBlock(block, m_grouping, joins, place.column - 1, known);
            NoteBlankTargets(block, target, place.column, blankTargets);
            read.Keep(std::move(block));
            if (place.column + place.columns - 1 < strip.columns) continue;
            // Nothing of a strip is written before its last row is read: its first column too long ends it now.
            if (m_writesValues && joins.front().TooLong()) FailTooLong(Where(strip, 0));
            m_run.rowsDone = rowsBefore + place.row + place.rows - 1;
            if (!m_run.progress.Continue(m_run.rowsDone)) {
                // Stopped while reading: what was done is the strips before.
                m_run.progress.Advance(rowsBefore);
                return false;
            }
        }
        blocks::KnownContents lent;
        read.LendTo(lent, strip);
        FinishSlice(strip, joins, blankTargets);
        return true;
    }

    // What the band's joined texts take until they are written.
    static std::size_t WrittenBytes(const std::vector<JoinedText>& joins) {
        std::size_t bytes = 0;
        for (const JoinedText& join : joins) bytes += join.Bytes();
        return bytes;
    }

    std::wstring Where(const PlacedBlock& slice, long line) const {
        return m_byRow ? L"row " + std::to_wstring(slice.row + line)
                       : L"column " + blocks::ColumnLetters(slice.column + line);
    }

    void FinishSlice(const PlacedBlock& slice, std::vector<JoinedText>& joins, const std::vector<bool>& blankTargets) {
        if (!m_writesValues) {
            FormatCellsOfTheirOwn(slice, ShowText(joins));
            return;
        }
        TypedTexts typed = TypedTextsOf(joins);
        long written = static_cast<long>(typed.texts.size());
        // Lines before one too long are written only up to where no merged area reaches on into the rest.
        if (written < Lines(slice) && written > 0) {
            written =
                blocks::ShrinkBeforeMergedAreas(slice.range, slice.rows, slice.columns, written,
                                                m_byRow ? blocks::PartEdge::AfterRow : blocks::PartEdge::AfterColumn);
            typed.texts.resize(static_cast<size_t>(written));
        }
        if (written == Lines(slice))
            WriteSlice(slice, std::move(typed.texts), blankTargets);
        else if (written > 0)
            WriteSlice(blocks::PartOf(slice, Across(1, written, 1, Length(slice))), std::move(typed.texts),
                       blankTargets);
        if (typed.firstTooLong >= 0) FailTooLong(Where(slice, typed.firstTooLong));
    }

    // The order keeps every text: the lines to merge are unmerged first, so that no target is a cell hidden in
    // an older merged area (where a write would be dropped); each joined text is written before the other cells
    // of its line are emptied; the lines are merged only then, each holding a value in its first cell alone.
    void WriteSlice(const PlacedBlock& slice, std::vector<std::wstring> texts, const std::vector<bool>& blankTargets) {
        const std::vector<bool> joined = Joined(texts);
        const long lines = Lines(slice);
        const long length = Length(slice);
        const bool merging = m_request.mergeCells;
        const bool holdsMerges = !slice.range.MergeCells().IsFalseBool();
        const Ranges textLines = blocks::RangesOf(slice, Runs(joined, 1, length));
        const Ranges mergedLines = MergesEveryLine() ? Ranges{slice.range} : textLines;
        if (merging) Unmerge(mergedLines);
        // Lines without text are emptied with the targets where no merged cell can be in the way, or with their
        // other cells; a blank target is written as nothing with its neighbours, so that the texts of a slice
        // go in one put.
        const bool freeOfMerges = !holdsMerges || (merging && MergesEveryLine());
        const long target = TargetOf(length);
        const bool oneByOne = !merging && holdsMerges;
        const std::vector<Receiver> receivers = oneByOne ? ReceiversOf(slice, target) : std::vector<Receiver>();
        std::function<sheet::Range(long)> cellOf;
        if (oneByOne)
            cellOf = [&](long i) {
                return blocks::RangeOf(slice, Across(i + 1, 1, receivers[static_cast<size_t>(i)].first, 1));
            };
        WriteTargets(blocks::RangeOf(slice, Across(1, lines, target, 1)), m_byRow, std::move(texts),
                     EmptyTargets(blankTargets, lines, freeOfMerges, merging || m_request.clearSources), cellOf);
        m_run.result.cellsWritten += CountOf(joined);
        if (!merging) {
            if (m_request.clearSources) {
                std::vector<BlockRect> sources =
                    SourcesOf(receivers.empty() ? std::vector<Receiver>(lines, {target, target}) : receivers, length);
                // A merged area may reach past the selection, where no band edge can move to take it whole.
                if (holdsMerges) sources = blocks::ClearingMergedAreasWhole(sources, MergedAreasReachingOut(slice));
                EmptyCells(blocks::RangesOf(slice, sources));
            }
            return;
        }
        if (!MergesEveryLine()) WrapText(textLines);
        // A line without text is not unmerged: its old merged cells, if any, stay.
        EmptyAllButFirst(slice, m_grouping, joined, freeOfMerges);
        if (m_byRow) {
            MergeEach(mergedLines, true);
            AlignHorizontally(mergedLines, m_first ? xlLeft : xlRight);
            if (MergesEveryLine()) WrapText(textLines);
        } else {
            // The width the columns have now is the one they keep through the merge.
            const ColumnWidths widths = ColumnWidths::Keep({slice.range});
            MergeEach(blocks::RangesOf(slice, EachLine(joined, length)), false);
            widths.GiveBack();
            AlignVertically(textLines, m_first ? xlTop : xlBottom);
        }
        m_run.result.groupsMerged += MergesEveryLine() ? lines : CountOf(joined);
    }

    // Each line with a text, an area of its own: a merge makes one cell of each.
    std::vector<BlockRect> EachLine(const std::vector<bool>& joined, long length) const {
        std::vector<BlockRect> lines;
        for (size_t i = 0; i < joined.size(); ++i)
            if (joined[i]) lines.push_back(Across(static_cast<long>(i) + 1, 1, 1, length));
        return lines;
    }

    // The user's merged areas that reach out of the slice: across the selection's edges, as band and strip
    // edges move to take merged areas whole. Each edge costs a MergeCells where none meets it.
    static std::vector<BlockRect> MergedAreasReachingOut(const PlacedBlock& slice) {
        const long rows = slice.rows, columns = slice.columns;
        std::vector<BlockRect> reaching;
        for (const BlockRect& edge : {BlockRect{1, 1, 1, columns}, BlockRect{rows, 1, 1, columns},
                                      BlockRect{1, 1, rows, 1}, BlockRect{1, columns, rows, 1}})
            for (const BlockRect& area : blocks::MergedAreasMeeting(slice.range, rows, columns, edge)) {
                if (!blocks::Inside(area, {1, 1, rows, columns}) &&
                    std::find(reaching.begin(), reaching.end(), area) == reaching.end())
                    reaching.push_back(area);
            }
        return reaching;
    }

    // Each line's receiving cells: the target, or the user's merged area around it that lies within the line.
    // An area across several lines is left to the write, which Excel refuses there with its own error.
    std::vector<Receiver> ReceiversOf(const PlacedBlock& slice, long target) const {
        std::vector<Receiver> receivers(static_cast<size_t>(Lines(slice)), {target, target});
        for (const BlockRect& merged :
             blocks::MergedAreasMeeting(slice.range, slice.rows, slice.columns, Across(1, Lines(slice), target, 1))) {
            const long line = m_byRow ? merged.row : merged.column;
            const long lineSpan = m_byRow ? merged.rows : merged.columns;
            const long from = m_byRow ? merged.column : merged.row;
            const long along = m_byRow ? merged.columns : merged.rows;
            if (lineSpan != 1 || line < 1 || line > Lines(slice) || from < 1 || from + along - 1 > Length(slice))
                continue;
            receivers[static_cast<size_t>(line - 1)] = {from, from + along - 1};
        }
        return receivers;
    }

    // The sources to empty: every cell of each line but its receiving cells; lines alike make one rectangle.
    std::vector<BlockRect> SourcesOf(const std::vector<Receiver>& receivers, long length) const {
        std::vector<BlockRect> sources;
        for (size_t first = 0; first < receivers.size();) {
            size_t end = first + 1;
            while (end < receivers.size() && receivers[end] == receivers[first]) ++end;
            const Receiver& kept = receivers[first];
            const long line = static_cast<long>(first) + 1;
            const long count = static_cast<long>(end - first);
            if (kept.first > 1) sources.push_back(Across(line, count, 1, kept.first - 1));
            if (kept.last < length) sources.push_back(Across(line, count, kept.last + 1, length - kept.last));
            first = end;
        }
        return sources;
    }

    // Groups of one cell each keep their value; merging only formats the cells, those that show a text and,
    // into the right cells, all of them.
    void FormatCellsOfTheirOwn(const PlacedBlock& slice, const std::vector<bool>& shown) const {
        const Ranges textCells = blocks::RangesOf(slice, Runs(shown, 1, 1));
        auto align = [&](const Ranges& ranges) {
            if (m_byRow)
                AlignHorizontally(ranges, m_first ? xlLeft : xlRight);
            else
                AlignVertically(ranges, m_first ? xlTop : xlBottom);
        };
        if (MergesEveryLine()) {
            Unmerge({slice.range});
            align({slice.range});
            WrapText(textCells);
            return;
        }
        WrapText(textCells);
        Unmerge(textCells);
        align(textCells);
    }

    const PlacedBlock& m_area;
    MergeRun& m_run;
    const MergeRequest& m_request;
    const Grouping m_grouping;
    const bool m_byRow;
    const bool m_first;  // into the left or top cells
    const bool m_writesValues;
};

}  // namespace

bool MergeLines(const PlacedBlock& area, MergeRun& run, Grouping grouping) {
    return LineMerger(area, run, grouping).Run();
}

}  // namespace merge
