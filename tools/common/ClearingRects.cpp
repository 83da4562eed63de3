#include "tools/common/ClearingRects.h"

#include <algorithm>

namespace blocks {

namespace {

// The cells of `rect` outside `cut`: up to four rectangles, the rows above and below it, then the cells
// beside it.
void AddWithout(const BlockRect& rect, const BlockRect& cut, std::vector<BlockRect>& into) {
    const long top = rect.row, bottom = rect.row + rect.rows;
    const long left = rect.column, right = rect.column + rect.columns;
    const long cutTop = std::max(top, cut.row), cutBottom = std::min(bottom, cut.row + cut.rows);
    const long cutLeft = std::max(left, cut.column), cutRight = std::min(right, cut.column + cut.columns);
    if (cutTop > top) into.push_back({top, left, cutTop - top, rect.columns});
    if (bottom > cutBottom) into.push_back({cutBottom, left, bottom - cutBottom, rect.columns});
    if (cutLeft > left) into.push_back({cutTop, left, cutBottom - cutTop, cutLeft - left});
    if (right > cutRight) into.push_back({cutTop, cutRight, cutBottom - cutTop, right - cutRight});
}

}  // namespace

std::vector<BlockRect> ClearingMergedAreasWhole(const std::vector<BlockRect>& rects,
                                                const std::vector<BlockRect>& merged) {
    std::vector<BlockRect> pieces = rects;
    std::vector<BlockRect> whole;
    for (const BlockRect& area : merged) {
        bool cut = false;
        bool firstCleared = false;
        for (const BlockRect& piece : pieces) {
            if (!Overlap(piece, area)) continue;
            if (!Inside(area, piece)) cut = true;
            firstCleared = firstCleared || Inside({area.row, area.column, 1, 1}, piece);
        }
        if (!cut) continue;
        std::vector<BlockRect> kept;
        for (const BlockRect& piece : pieces) {
            if (Overlap(piece, area))
                AddWithout(piece, area, kept);
            else
                kept.push_back(piece);
        }
        pieces = std::move(kept);
        if (firstCleared) whole.push_back(area);
    }
    pieces.insert(pieces.end(), whole.begin(), whole.end());
    return pieces;
}

}  // namespace blocks
