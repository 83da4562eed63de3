// Before a write, the previous contents of the cells it changes go into the run's record (RecordingRun), each
// with what the write leaves in it. Only the block writer calls these; without a run they read nothing.
#pragma once

#include <vector>

#include "sheet/Range.h"
#include "tools/common/BlockChanges.h"
#include "tools/common/BlockReader.h"

namespace blocks {

// The changes of a block as the tool read it: what the read gave, and one Range.Address.
void RecordBlockWrite(const Block& read, const BlockChanges& changes);

// The changes of one area the tool did not read: the area is read first (HasFormula, Value).
void RecordRangeWrite(const sheet::Range& cells, const BlockChanges& changes);

// One value put into every cell of the range, all its areas: each area that changes is read in blocks, areas
// near each other in one read of the rectangle round them. A cell that already holds the value is left out.
void RecordFill(const sheet::Range& cells, const VARIANT& value);

// The areas of a range on its sheet, from one Range.Address.
std::vector<BlockRect> SheetAreasOf(const sheet::Range& range);

}  // namespace blocks
