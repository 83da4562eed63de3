// Reading the displayed texts of one area of the sheet.
#pragma once

#include "sheet/Range.h"
#include "tools/merge/TextGrid.h"

namespace merge {

// Range.Text of every cell of the area (rows by columns, counted by the caller), each cut at its first NUL:
// what the user sees, number formats applied. Blank cells show no text and cost no call of their own.
TextGrid ReadAreaTexts(const sheet::Range& area, long rows, long columns);

}  // namespace merge
