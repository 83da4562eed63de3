// Range.Text of many cells of one column of a block. Each cell's text costs a Text of its own (Range.Text of
// several cells is Null unless they all show the same), but not a call to reach the cell: For Each's
// enumerator (sheet::RangeCells) hands over the Range objects of a column's cells hundreds at a time.
// A few cells are reached one by one (Item), which costs less than starting an enumerator.
#pragma once

#include <functional>
#include <vector>

#include "sheet/Range.h"
#include "sheet/Variant.h"

namespace blocks {

// Cells a call of the enumerator hands over: few enough that the objects held stay small.
constexpr unsigned long kCellsACall = 512;

// Asks the cells of `column` at `rows` (ascending, from 1 within `block`, a range of `blockRows` by
// `blockColumns`); `give(i, text)` takes the text of rows[i].
void AskColumnTexts(const sheet::Range& block, long blockRows, long blockColumns, long column,
                    const std::vector<long>& rows, const std::function<void(std::size_t, sheet::Variant)>& give);

}  // namespace blocks
