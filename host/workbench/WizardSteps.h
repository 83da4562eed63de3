// What both of the workbench's scenes do with a tool: check a step's result, and script a clean-up
// tool's wizard from its range page to Finish.
#pragma once

#include <windows.h>

#include <string>

#include "host/driver/WizardDriver.h"
#include "host/workbench/PageAlbum.h"

namespace workbench {

// Throws std::runtime_error naming the step when `hr` is a failure.
void Check(HRESULT hr, const char* what);

// Reads the range page's address, presses Next, reads the option's caption on the tool's page, ticks it
// and presses Finish; the album takes both pages as "<pictureName>-range" and "<pictureName>-options".
void ScriptOptionWizard(host::WizardDriver& driver, UINT optionsPage, int option, std::wstring& address,
                        std::wstring& caption, PageAlbum& album, const std::wstring& pictureName);

}  // namespace workbench
