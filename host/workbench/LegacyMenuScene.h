// The workbench's Excel 2003 scene: the registered add-in builds its legacy menu and toolbar in the
// stand-in, a toolbar click runs a tool's wizard, and after Excel starts again the menu is found and its
// clicks still work.
#pragma once

#include <string>

#include "host/workbench/PageAlbum.h"

namespace workbench {

using PrintLine = void (*)(const std::wstring& line);

// Returns 0 when every step worked and nothing the stand-in handed out is still held; throws
// std::runtime_error when a step fails. The album takes the wizard pages the clicks pass through.
int PlayExcel2003(const std::wstring& csvPath, PrintLine print, PageAlbum& album);

}  // namespace workbench
