#include "tools/common/SubRange.h"

namespace blocks {

sheet::Range SubRange(const sheet::Range& range, long rangeRows, long rangeColumns, const BlockRect& rect) {
    bool atTopLeft = rect.row == 1 && rect.column == 1;
    if (atTopLeft && rect.rows == rangeRows && rect.columns == rangeColumns) return range;
    sheet::Range sized = range.Resize(rect.rows, rect.columns);
    if (atTopLeft) return sized;
    return sized.Offset(rect.row - 1, rect.column - 1);
}

}  // namespace blocks
