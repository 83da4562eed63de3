// The Undo Last Run engine, written against the automation wrappers alone: puts back on its sheet what one
// run's record holds, in blocks, and takes out of the record what is back. After Esc or a failure the record
// holds what is not back yet, and undoing again puts back that; a run's record that is all back is empty.
#pragma once

#include "sheet/Application.h"
#include "tools/common/RunRecord.h"
#include "tools/status/Progress.h"
#include "tools/undo/UndoResult.h"

namespace undo {

// When the record's sheet (or its workbook) is no longer open, changes nothing and says so. Otherwise the
// sheet is activated and, in this order: what the run merged comes apart, the cells' contents come back
// (last written first), what the run took apart is merged again, formats and fills come back, and the
// selection. Progress hears of the recorded rows and may stop between blocks. Failures propagate.
UndoResult UndoLastRun(const sheet::Application& app, blocks::RunRecord& record,
                       status::Progress& progress = status::NoProgress());

// True for the failure of a call on an object whose sheet or workbook has gone.
bool IsGone(HRESULT code);

}  // namespace undo
