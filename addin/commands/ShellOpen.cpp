#include "addin/commands/ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/Module.h"

namespace {

ShellOpenFunction g_shellOpen = nullptr;

void ShellExecuteOpen(const std::wstring& target, int showCommand) {
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, showCommand);
}

}  // namespace

void ShellOpen(const std::wstring& target, int showCommand) {
    (g_shellOpen ? g_shellOpen : ShellExecuteOpen)(target, showCommand);
}

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction replacement) {
    ShellOpenFunction previous = g_shellOpen;
    g_shellOpen = replacement;
    return previous;
}

void OpenHelpFile() { ShellOpen(framework::ModuleFolder() + kHelpFileName, SW_SHOWMAXIMIZED); }

void OpenHomePage() { ShellOpen(kHomePageAddress, SW_SHOWNORMAL); }
