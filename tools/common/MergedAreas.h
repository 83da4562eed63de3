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

// Which way a part of the area ends: after a row (bands of rows) or after a column (strips of columns).
enum class PartEdge { AfterRow, AfterColumn };

// The last row (column) of the area that a part ending at `last` must reach so that no merged area crosses its
// lower (right) edge; never past `rows` (`columns`). The part is asked along its last row (column).
long GrowPastMergedAreas(const sheet::Range& area, long rows, long columns, long last, PartEdge edge);
// The same, where the part may not grow: the last row (column) up to `last` below which no merged area crosses;
// 0 when every one does.
long ShrinkBeforeMergedAreas(const sheet::Range& area, long rows, long columns, long last, PartEdge edge);

}  // namespace blocks
