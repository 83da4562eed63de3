// What an action does to a range of duplicate rows, whichever road found them.
#pragma once

#include <windows.h>

#include "sheet/Application.h"
#include "tools/duplicates/DupAction.h"

namespace duplicates {

// Colours or empties the rows' cells, or, for Select, adds them to `selection`, which is selected once at the
// end. False for a code that does nothing, which makes no call.
bool ActOnRows(const sheet::Application& app, const sheet::Range& rows, DupAction action, COLORREF color,
               sheet::Range& selection);

}  // namespace duplicates
