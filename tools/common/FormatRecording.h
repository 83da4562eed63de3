// What a run's formatting replaces, kept in the run's record (RecordingRun) just before each change: a
// format's values over a range of any areas (each part read once where the cells agree, by halves where they
// do not), the merged areas a merge or an unmerge meets, and the selection with its active cell. Without a run
// nothing is read.
#pragma once

#include "sheet/Application.h"
#include "tools/common/RunRecord.h"

namespace blocks {

// Before `kind` of every cell of `range` becomes `after` (for a width, of every column of it).
void RecordFormat(const sheet::Range& range, FormatKind kind, const FormatValue& after);

// A change whose value before is known already (a width kept through a merge): no read but Range.Address.
void RecordKnownFormat(const sheet::Range& range, FormatKind kind, const FormatValue& before,
                       const FormatValue& after);

// Before `range` is unmerged: the merged areas it meets, whole.
void RecordUnmerge(const sheet::Range& range);

// Before each area of `range` is merged: the merged areas it meets, and the one it makes (one a row, `across`).
void RecordMerge(const sheet::Range& range, bool across);

// Before `next` is selected: the selection and active cell it replaces, and `next`.
void RecordSelection(const sheet::Application& app, const sheet::Range& next);

}  // namespace blocks
