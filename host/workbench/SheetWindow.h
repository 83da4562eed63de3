// A worksheet as Excel shows it, drawn by the workbench for the pictures where the stand-in has no window: the
// sheet's first cells under their column letters and row numbers, as they show, with their fills, and the
// status bar's line at the bottom.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "host/Sheet.h"

namespace workbench {

// Shows the window titled `title`; calls `whileShown` with it once it is drawn, then closes it. Messages go on
// being dispatched meanwhile.
void ShowSheet(const std::wstring& title, const host::Sheet& sheet, long rows, long columns,
               const std::wstring& statusLine, const std::function<void(HWND window)>& whileShown);

}  // namespace workbench
