// Undo Last Run as the user starts it: the last run's record put back with progress and Esc on the status
// bar, and what came back said there ("Undo Last Run: 1,204 cells put back").
#pragma once

#include <string>

#include "sheet/Application.h"
#include "tools/status/StatusBarKeeper.h"
#include "tools/status/StatusLines.h"
#include "tools/undo/LastRun.h"
#include "tools/undo/UndoResult.h"

namespace undo {

// Afterwards the record is gone when everything is back, and when its sheet or workbook has gone (which fails
// with a message that names them, nothing changed). After Esc or a failure, which propagates, the record holds
// what is not back yet.
void RunUndoLastRun(const sheet::Application& app, status::StatusBarKeeper& statusBar, LastRun& lastRun);

// "1,204 cells put back", "1,204 cells put back, 3 left as you changed them", "nothing put back".
std::wstring UndoOutcome(const UndoResult& result, const status::StatusLines& lines);

}  // namespace undo
