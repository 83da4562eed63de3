// Puts back what a run did to the sheet beside its cells' contents: the merged areas it made and the ones it
// took apart, its formats and fills, and the selection. A part is put back only while it is as the run left
// it: a fill or a format the user changed since stays, a merge that would drop a value is not made.
#pragma once

#include "sheet/Application.h"
#include "tools/common/RunRecord.h"
#include "tools/undo/UndoResult.h"

namespace undo {

// Unmerges what the run merged, so that its cells can take their contents back. Drops them from the record.
void TakeApartRunMerges(const sheet::Worksheet& sheet, blocks::RunRecord& record);

// Merges again what the run took apart, where no value but the top-left one is in it. Drops them from the record.
void MergeAgain(const sheet::Worksheet& sheet, blocks::RunRecord& record);

// Formats and fills, the last change first; each is dropped from the record once it is done.
void PutBackFormats(const sheet::Worksheet& sheet, blocks::RunRecord& record, UndoResult& result);

// The selection before the run, while Excel still shows the one the run left. Drops it from the record.
void PutBackSelection(const sheet::Application& app, const sheet::Worksheet& sheet, blocks::RunRecord& record,
                      UndoResult& result);

}  // namespace undo
