// A format of a range read and written as one value: wrap, an alignment, the columns' width, or the fill.
#pragma once

#include <optional>

#include "sheet/Range.h"
#include "tools/common/RunRecord.h"

namespace blocks {

// The value all the range's cells share; nothing when they differ (Excel answers Null). One call, two for a
// fill (ColorIndex tells no fill from white, Color the colour). A width is the range's columns'.
std::optional<FormatValue> CommonFormat(const sheet::Range& range, FormatKind kind);

// Gives every cell of the range the value (a width: every column of it).
void PutFormat(const sheet::Range& range, FormatKind kind, const FormatValue& value);

// The halves of a rectangle of `rows` by `columns`, from (1, 1) within it: the rows' halves, or the columns'
// for a single row or when `columnsOnly`. Empty for a rectangle that cannot be halved.
std::vector<BlockRect> Halves(long rows, long columns, bool columnsOnly);

}  // namespace blocks
