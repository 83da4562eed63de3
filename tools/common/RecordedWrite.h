// A block's changes written through the block writer, with the run's record told first what each changed cell
// holds (PreviousContents says what that costs) and what the write leaves in it. A cell that a failing write
// did not reach still holds what the record says it held before: undoing counts it as back already.
#pragma once

#include "tools/common/AreaRecording.h"
#include "tools/common/BlockChanges.h"
#include "tools/common/BlockReader.h"

namespace blocks {

// `read` is the block as the tool read it. Gives the number of puts made, as WriteChanges does.
long WriteChanges(const Block& read, const BlockChanges& changes, AreaRecording& recording);

}  // namespace blocks
