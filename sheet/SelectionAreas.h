// The areas or rows of the selection, for a tool that works on cells.
#pragma once

#include "sheet/Range.h"

namespace sheet {

// What the user is told when a chart or a drawing is selected where a tool needs cells.
inline constexpr wchar_t kSelectionIsNotCells[] =
    L"The selection is not a range of cells. Select the cells to change and try again.";

// Selection.Areas. A chart or a drawing answers none of Range's members: the error then tells the user what
// to do instead of giving a code.
Areas AreasOfSelection(const Range& selection);
// Selection.Rows, told the same way.
Range RowsOfSelection(const Range& selection);

}  // namespace sheet
