// A format of a range read and written as one value: wrap, an alignment, the columns' width, or the fill.
#pragma once

#include <optional>
#include <vector>

#include "sheet/Range.h"
#include "tools/common/RunRecord.h"

namespace blocks {

// The value all the range's cells share; nothing when they differ (Excel answers Null). One call; a fill takes
// one a part: ColorIndex (which alone tells no fill), Color, Pattern, PatternColor, and with `themed`
// ThemeColor and TintAndShade. A width is the range's columns'.
std::optional<FormatValue> CommonFormat(const sheet::Range& range, FormatKind kind, bool themed = true);

// Gives every cell of the range the value (a width: every column of it). A painted fill puts its colour
// alone; a fill read from the sheet puts back every part it had.
void PutFormat(const sheet::Range& range, FormatKind kind, const FormatValue& value);

// The halves of a rectangle of `rows` by `columns`, from (1, 1) within it: the rows' halves, or the columns'
// for a single row or when `columnsOnly`. Empty for a rectangle that cannot be halved.
std::vector<BlockRect> Halves(long rows, long columns, bool columnsOnly);

}  // namespace blocks
