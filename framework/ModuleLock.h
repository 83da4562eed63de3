// The module's count of live COM objects, server locks and outside references to its class factories:
// the module may unload only while it is zero.
#pragma once

#include <windows.h>

namespace framework {

void LockModule() noexcept;
void UnlockModule() noexcept;
LONG ModuleLockCount() noexcept;

}  // namespace framework
