#include "tools/common/PlacedRectangles.h"

#include "tools/common/ColumnLetters.h"
#include "tools/common/SubRange.h"

namespace blocks {

std::wstring ReferenceOf(const BlockRect& rect, long row, long column) {
    const long top = row + rect.row - 1;
    const long left = column + rect.column - 1;
    std::wstring reference = ColumnLetters(left) + std::to_wstring(top);
    if (rect.rows == 1 && rect.columns == 1) return reference;
    return reference + L":" + ColumnLetters(left + rect.columns - 1) + std::to_wstring(top + rect.rows - 1);
}

namespace {

// Runs of true along `marked`, each given as its first index (from 1) and length.
template <class MakeRect>
std::vector<BlockRect> Runs(const std::vector<bool>& marked, MakeRect makeRect) {
    std::vector<BlockRect> runs;
    const long count = static_cast<long>(marked.size());
    for (long i = 0; i < count;) {
        if (!marked[static_cast<size_t>(i)]) {
            ++i;
            continue;
        }
        long end = i;
        while (end < count && marked[static_cast<size_t>(end)]) ++end;
        runs.push_back(makeRect(i + 1, end - i));
        i = end;
    }
    return runs;
}

}  // namespace

std::vector<std::wstring> ReferencesOf(const std::vector<BlockRect>& rects, long row, long column,
                                       std::size_t maxLength) {
    std::vector<std::wstring> references;
    ReferenceList pending(maxLength);
    for (const BlockRect& rect : rects) {
        std::wstring area = ReferenceOf(rect, row, column);
        if (!pending.Fits(area)) references.push_back(pending.Take());
        pending.Append(area);
    }
    if (!pending.Empty()) references.push_back(pending.Take());
    return references;
}

sheet::Range RangeOf(const PlacedBlock& block, const BlockRect& rect) {
    if (rect.row == 1 && rect.column == 1) return SubRange(block.range, block.rows, block.columns, rect);
    return block.sheet.Range(ReferencesOf({rect}, block.row, block.column).front());
}

std::vector<sheet::Range> RangesOf(const PlacedBlock& block, const std::vector<BlockRect>& rects) {
    std::vector<sheet::Range> ranges;
    if (rects.size() == 1) {
        ranges.push_back(RangeOf(block, rects.front()));
        return ranges;
    }
    for (const std::wstring& reference : ReferencesOf(rects, block.row, block.column))
        ranges.push_back(block.sheet.Range(reference));
    return ranges;
}

PlacedBlock PartOf(const PlacedBlock& block, const BlockRect& rect) {
    return {block.sheet, RangeOf(block, rect), block.row + rect.row - 1, block.column + rect.column - 1,
            rect.rows,   rect.columns};
}

std::vector<BlockRect> RowRuns(const std::vector<bool>& marked, long firstColumn, long columns) {
    return Runs(marked, [&](long first, long length) { return BlockRect{first, firstColumn, length, columns}; });
}

std::vector<BlockRect> ColumnRuns(const std::vector<bool>& marked, long firstRow, long rows) {
    return Runs(marked, [&](long first, long length) { return BlockRect{firstRow, first, rows, length}; });
}

}  // namespace blocks
