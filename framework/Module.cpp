#include "framework/Module.h"

#include "framework/ModuleState.h"
#include "framework/Trace.h"
#include "framework/WinApp.h"

#include <vector>

namespace framework {

namespace {

bool g_initialised = false;

std::wstring PathOf(HINSTANCE module) {
    // Paths beyond MAX_PATH exist; grow until the whole path fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::wstring();
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        if (buffer.size() >= 32768) return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

BOOL ProcessAttach(HINSTANCE module) noexcept {
    ModuleState& state = ThisModuleState();
    state.instance = module;
    if (!state.resourceHandle) state.resourceHandle = module;
    try {
        ModuleFolder();
        CWinApp* app = GetApp();
        if (!app || g_initialised) return TRUE;
        g_initialised = true;
        return app->InitInstance();
    } catch (...) {
        TraceSwallowed(L"starting the module");
        return FALSE;
    }
}

void ProcessDetach() noexcept {
    CWinApp* app = GetApp();
    if (!app || !g_initialised) return;
    g_initialised = false;
    try {
        app->ExitInstance();
    } catch (...) {
        // The process is unloading the module; there is no one left to tell but the trace.
        TraceSwallowed(L"ending the module");
    }
}

HINSTANCE ModuleInstance() noexcept { return ThisModuleState().instance; }

std::wstring ModulePath() { return PathOf(ThisModuleState().instance); }

const std::wstring& ModuleFolder() {
    static const std::wstring folder = [] {
        std::wstring path = ModulePath();
        const auto lastBackslash = path.find_last_of(L'\\');
        if (lastBackslash != std::wstring::npos) path.erase(lastBackslash + 1);
        return path;
    }();
    return folder;
}

std::wstring AppName() {
    if (CWinApp* app = GetApp(); app && !app->ExplicitAppName().empty()) return app->ExplicitAppName();
    std::wstring name = ModulePath();
    name.erase(0, name.find_last_of(L"\\/") + 1);  // npos + 1 wraps to 0: no folder part
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace framework
