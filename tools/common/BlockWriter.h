// Every cell value the tools write goes through here, and nowhere else: a block's changes, one Range.Value
// put of a two-dimensional array per rectangle of changed cells, and one value put into many cells at once.
// Within a RecordingRun each write first keeps what it replaces in the run's record (CellRecording).
#pragma once

#include "sheet/Range.h"
#include "tools/common/BlockChanges.h"
#include "tools/common/BlockReader.h"

namespace blocks {

// `block` is the range the changes are relative to, the block's own range. Where Excel refuses a rectangle
// (one that takes in part of a merged area, say), its halves are tried, down to single cells; a single cell
// that is refused fails the write with Excel's error. Cells written before a failure stay written. Gives the
// number of puts made, refused ones included.
long WriteChanges(const sheet::Range& block, const BlockChanges& changes);
// The same for a block as the tool read it: what it replaces is known from the read.
long WriteChanges(const Block& read, const BlockChanges& changes);

// Puts one value into every cell of the range, all its areas: an empty VARIANT empties them. One put; a
// refusal fails with Excel's error.
void FillCells(const sheet::Range& cells, const sheet::Variant& value);

}  // namespace blocks
