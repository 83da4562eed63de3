// Plays an Excel that never comes up: started as the local server of Excel's class, it registers no class
// object and only waits, until whoever started it ends it (or, failing that, for forty seconds). It leaves
// its process id under HKCU\Software\Cellwright Tests, "Silent Excel server", for the test to find.
#include <windows.h>

int main() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Cellwright Tests", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        const DWORD id = GetCurrentProcessId();
        RegSetValueExW(key, L"Silent Excel server", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&id), sizeof(id));
        RegCloseKey(key);
    }
    Sleep(40000);
    return 0;
}
