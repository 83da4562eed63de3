// The box Excel shows for Application.InputBox, drawn by the workbench where the stand-in answers one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace workbench {

// Shows a box titled `title` with the prompt, and the answer typed into its edit field over the default; calls
// `whileShown` with the box once it is drawn, then closes it. Messages go on being dispatched meanwhile.
void ShowInputBox(const std::wstring& title, const std::wstring& prompt, const std::wstring& typed,
                  const std::function<void(HWND box)>& whileShown);

}  // namespace workbench
