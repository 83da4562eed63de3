// One tool's run with the status bar told of it: progress and Esc while it runs, then what it did or where
// Esc stopped it, put back for the user after the delay. A failure puts the user's status bar back at once
// and propagates; it shows no line of ours.
#pragma once

#include <functional>
#include <string>

#include "tools/status/Progress.h"
#include "tools/status/StatusBarKeeper.h"
#include "tools/status/StatusLines.h"

namespace status {

// The engine runs with the progress it is given and says what it did ("1,204 cells changed in $A$1:$C$1000").
using ReportedEngine = std::function<std::wstring(Progress& progress, const StatusLines& lines)>;

void RunWithStatus(StatusBarKeeper& statusBar, const std::wstring& tool, const ReportedEngine& engine);

}  // namespace status
