// A rectangle inside a range of one area, reached with as few calls as its place allows.
#pragma once

#include "sheet/Range.h"
#include "tools/common/BlockRect.h"

namespace blocks {

// The range itself when the rectangle is all of it (no call); else Resize, then Offset unless the rectangle
// starts at the top-left cell. Resize comes first: moving a whole column first would reach past the sheet.
sheet::Range SubRange(const sheet::Range& range, long rangeRows, long rangeColumns, const BlockRect& rect);

}  // namespace blocks
