// The module's life: DllMain hands its attach and detach here; the module's handle, folder and name.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

// Call from DllMain on DLL_PROCESS_ATTACH. Records the module handle and folder and runs the
// application object's InitInstance once; its result is the result of the load.
BOOL ProcessAttach(HINSTANCE module) noexcept;
// Call from DllMain on DLL_PROCESS_DETACH. Runs ExitInstance once, if InitInstance ran.
void ProcessDetach() noexcept;

HINSTANCE ModuleInstance() noexcept;

// The module's full path as the loader reports it, however long; empty when it cannot be had.
std::wstring ModulePath();
// The module's full path up to and including its last backslash; computed once.
const std::wstring& ModuleFolder();

// The caption of the module's message boxes: the application object's name, else the file's base name.
std::wstring AppName();

}  // namespace framework
