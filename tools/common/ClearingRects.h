// What to clear so that no merged area is cut: Excel refuses a clearing that covers part of one. A merged area
// whose first cell is among the cells to clear is cleared whole (its other cells hold nothing, so nothing
// more is lost, also where it reaches past the selection); the hidden cells of one whose first cell stays are
// left as they are (they hold nothing either). Pure: rectangles in, rectangles out.
#pragma once

#include <vector>

#include "tools/common/BlockRect.h"

namespace blocks {

// `rects` to clear and the `merged` areas that meet them, in one frame (a merged area may reach past the
// rectangles, even before row or column 1 of the frame). Gives rectangles that cover every cell of `rects`
// outside merged areas, and each merged area whose first cell lies in `rects`, whole.
std::vector<BlockRect> ClearingMergedAreasWhole(const std::vector<BlockRect>& rects,
                                                const std::vector<BlockRect>& merged);

}  // namespace blocks
