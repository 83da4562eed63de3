#include "framework/ModuleState.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace framework {

namespace {

thread_local ModuleState* t_active = nullptr;

}  // namespace

ModuleState& ThisModuleState() noexcept {
    static ModuleState state{reinterpret_cast<HINSTANCE>(&__ImageBase), reinterpret_cast<HINSTANCE>(&__ImageBase)};
    return state;
}

ModuleState& CurrentModuleState() noexcept { return t_active ? *t_active : ThisModuleState(); }

void SetCurrentModuleState(ModuleState* state) noexcept { t_active = state; }

ModuleState* ActiveModuleState() noexcept { return t_active; }

HINSTANCE CurrentResourceHandle() noexcept {
    const ModuleState& state = CurrentModuleState();
    return state.resourceHandle ? state.resourceHandle : state.instance;
}

void SetResourceHandle(HINSTANCE resources) noexcept { CurrentModuleState().resourceHandle = resources; }

}  // namespace framework
