// Plays an Excel that never comes up: started as the local server of Excel's class, it registers no class
// object and only waits, until whoever started it ends it (or, failing that, for forty seconds). It leaves
// its process id under HKCU\Software\Cellwright Tests, "Silent Excel server", for the test to find. Started by
// COM, it first starts a copy of itself that plays a user's Excel coming up at the same moment ("User's Excel",
// started with the argument "user").
#include <windows.h>

#include <string>

namespace {

void Leave(const wchar_t* name, DWORD id) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Cellwright Tests", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&id), sizeof(id));
    RegCloseKey(key);
}

}  // namespace

int main() {
    const std::wstring commandLine = GetCommandLineW();
    const bool user = commandLine.size() >= 4 && commandLine.compare(commandLine.size() - 4, 4, L"user") == 0;
    if (!user) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring copy = L"\"" + std::wstring(path) + L"\" user";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (CreateProcessW(nullptr, copy.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
            CloseHandle(started.hThread);
            CloseHandle(started.hProcess);
        }
    }
    Leave(user ? L"User's Excel" : L"Silent Excel server", GetCurrentProcessId());
    Sleep(user ? 20000 : 40000);
    return 0;
}
