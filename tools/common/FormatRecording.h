// What a run's formatting replaces, kept in its record just before each change: a format's values over a
// rectangle (one read where the cells agree, halves read where they do not), the merged areas a merge or an
// unmerge meets, and the selection a run replaces. Nothing is read when the recording is off.
#pragma once

#include "sheet/Application.h"
#include "tools/common/AreaRecording.h"

namespace blocks {

// Before the run sets `kind` of `range`, the rectangle `rect` of the recording's area, to `after`. For a column
// width `range` stands for its columns.
void RecordFormat(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect, FormatKind kind,
                  FormatValue after);

// Before the run unmerges `range` (`rect` of the area): the merged areas it meets, whole.
void RecordUnmerge(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect);

// Before the run merges `range`: the merged areas it meets, and the one it makes (one a row, with `across`).
void RecordMerge(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect, bool across);

// Before the run selects `next`: the selection it replaces, and `next`. No record, no reads.
void RecordSelection(RunRecord* record, const sheet::Application& app, const sheet::Range& next);

}  // namespace blocks
