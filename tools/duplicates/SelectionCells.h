// The working range comes from the selection, which may be a chart or a drawing.
#pragma once

#include "sheet/Range.h"

namespace duplicates {

// The range's Rows. A chart or a drawing answers none of Range's members: the user is told what to do
// instead of being shown a code.
sheet::Range RowsOfCells(const sheet::Range& range);

}  // namespace duplicates
