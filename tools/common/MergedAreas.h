// The user's merged areas that meet a rectangle, found with few calls: a rectangle free of them costs one
// MergeCells; one that holds some is halved where MergeCells does not say False, down to the cells whose
// MergeArea names an area.
#pragma once

#include <vector>

#include "sheet/Range.h"
#include "tools/common/BlockRect.h"

namespace blocks {

// `area` has `rows` x `columns` cells; `rect` lies within it. The merged areas are given once each, relative
// to the area's top-left cell (so a part may lie outside it: row 0 or below, past `rows`), in the order met.
std::vector<BlockRect> MergedAreasMeeting(const sheet::Range& area, long rows, long columns, const BlockRect& rect);

// The last row (column) of the area that a band of rows from `first` to at least `last` must reach so that no
// merged area crosses its lower (right) edge; never past `rows` (`columns`). A band of rows is asked along its
// last row, a strip of columns along its last column.
long RowsKeepingMergedAreasWhole(const sheet::Range& area, long rows, long columns, long last);
long ColumnsKeepingMergedAreasWhole(const sheet::Range& area, long rows, long columns, long last);

}  // namespace blocks
