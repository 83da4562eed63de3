// Rectangles of one block acted on together: a block knows where it lies on its sheet, so that many of its
// rectangles make one multi-area reference, and one call (a format put, a merge) covers them all.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sheet/Application.h"
#include "tools/common/BlockRect.h"
#include "tools/common/ReferenceList.h"

namespace blocks {

// A block with what reaches its parts: its own range, the sheet it lies on, and where its top-left cell is.
struct PlacedBlock {
    sheet::Worksheet sheet;
    sheet::Range range;
    long row = 1;  // the sheet's row and column of the top-left cell
    long column = 1;
    long rows = 0;
    long columns = 0;
};

// "B5" or "B5:D7": the rectangle, from 1 within a block whose top-left cell is at the sheet's row and column, as
// an A1 reference text.
std::wstring ReferenceOf(const BlockRect& rect, long row, long column);

// The rectangles, from 1 within a block whose top-left cell is at the sheet's row and column, as A1 reference
// texts ("A5:C7,A9:C9") of at most maxLength characters: every rectangle an area of its own, in order.
std::vector<std::wstring> ReferencesOf(const std::vector<BlockRect>& rects, long row, long column,
                                       std::size_t maxLength = kMaxReference);

// Ranges that together are the rectangles, each rectangle an area of its own: the block itself when one
// rectangle is all of it (no call), a part of it for one rectangle, else one Worksheet.Range per reference.
std::vector<sheet::Range> RangesOf(const PlacedBlock& block, const std::vector<BlockRect>& rects);

// The range of one rectangle of the block, with one call at most: none for the whole block, a Resize for a
// rectangle at its top-left cell, else its reference.
sheet::Range RangeOf(const PlacedBlock& block, const BlockRect& rect);

// The part of the block a rectangle takes, as a block of its own.
PlacedBlock PartOf(const PlacedBlock& block, const BlockRect& rect);

// Runs of neighbouring rows (or columns) where `marked` is true, index 0 being the first row (column):
// each run a rectangle across the given columns (rows) of the block.
std::vector<BlockRect> RowRuns(const std::vector<bool>& marked, long firstColumn, long columns);
std::vector<BlockRect> ColumnRuns(const std::vector<bool>& marked, long firstRow, long rows);

}  // namespace blocks
