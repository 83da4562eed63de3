// Registers every class of the module's class table as an in-process server and as an Excel add-in that
// loads at start-up.
#pragma once

#include <windows.h>

// SELFREG_E_CLASS when any entry cannot be written, so regsvr32 does not report a success Excel cannot use;
// E_FAIL when the module path cannot be had.
HRESULT RegisterAddin();

// Removes each class's CLSID key, its ProgID and its add-in key (missing keys are no error), then the legacy
// menu from Excel. Always S_OK.
HRESULT UnregisterAddin();
