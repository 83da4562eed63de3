// Taken first by every COM entry point: this module's framework state is current for the call, and the
// caller's state comes back on return.
#pragma once

#include "framework/ModuleState.h"

namespace framework {

class ModuleStateGuard {
public:
    ModuleStateGuard() noexcept : ModuleStateGuard(ThisModuleState()) {}
    explicit ModuleStateGuard(ModuleState& state) noexcept : m_previous(ActiveModuleState()) {
        SetCurrentModuleState(&state);
    }
    ~ModuleStateGuard() { SetCurrentModuleState(m_previous); }

    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

private:
    ModuleState* m_previous;
};

}  // namespace framework
