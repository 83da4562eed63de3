// Pictures of what the screen shows, for the help pages and the main job.
#pragma once

#include <windows.h>

#include <string>

namespace workbench {

// Saves as a PNG the part of the screen covered by the visible windows of the thread that owns `window`: a
// wizard together with a list it has dropped down or a message box it shows. False when nothing is visible or
// the file cannot be written.
bool SaveThreadWindowsPicture(HWND window, const std::wstring& pngPath);

}  // namespace workbench
