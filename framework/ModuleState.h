// The framework state of one module: where its resources come from. The framework is a static library, so
// the add-in DLL has a state of its own and its pages and bitmaps load from it whoever calls.
#pragma once

#include <windows.h>

namespace framework {

struct ModuleState {
    HINSTANCE instance = nullptr;        // the module's own handle
    HINSTANCE resourceHandle = nullptr;  // where dialog templates and bitmaps are loaded from
};

// The state of the module this code is linked into: the framework is a static library, so the add-in
// DLL and a test program each have their own.
ModuleState& ThisModuleState() noexcept;

// The state of the call in progress on this thread; this module's state when no guard is active.
ModuleState& CurrentModuleState() noexcept;

// Switches the current state for the guard's lifetime; nested guards restore in reverse order.
void SetCurrentModuleState(ModuleState* state) noexcept;
ModuleState* ActiveModuleState() noexcept;

// The resource module of the current state (its instance when no resource handle was set).
HINSTANCE CurrentResourceHandle() noexcept;
void SetResourceHandle(HINSTANCE resources) noexcept;

}  // namespace framework
