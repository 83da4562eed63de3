// Registers the DLL as an in-process server and as an Excel add-in that loads at start-up.
#pragma once

#include <windows.h>

#include <string>

// The CLSID in its registry form, in braces.
std::wstring ClsidText();

// SELFREG_E_CLASS when any entry cannot be written, so regsvr32 does not report a success Excel cannot use;
// E_FAIL when the module path cannot be had.
HRESULT RegisterAddin(HMODULE module);

// Removes the class, the ProgID and the add-in key (missing keys are no error), then the legacy menu from
// Excel. Always S_OK.
HRESULT UnregisterAddin();
