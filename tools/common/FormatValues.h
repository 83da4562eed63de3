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

}  // namespace blocks
