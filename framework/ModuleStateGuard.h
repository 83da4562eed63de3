// Makes a module state current for a scope. Entry points need none: each module links its own framework,
// so a call from Excel already finds the add-in's state; tests use it to load from another module.
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
