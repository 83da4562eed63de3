// The areas of the selection, for a tool that works on cells.
#pragma once

#include "sheet/Range.h"

namespace sheet {

// Selection.Areas. A chart or a drawing answers none of Range's members: the error then tells the user what
// to do instead of giving a code.
Areas AreasOfSelection(const Range& selection);

}  // namespace sheet
