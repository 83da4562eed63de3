#include "addin/Registration.h"

#include <objbase.h>
#include <olectl.h>

#include "addin/AddinGuids.h"
#include "addin/LegacyMenuRemoval.h"
#include "addin/RegistryKey.h"
#include "sheet/DispatchWrapper.h"

namespace {

constexpr DWORD kMaxModulePath = 511;
constexpr DWORD kLoadAtStartup = 3;

std::wstring ProgId() { return sheet::WidenAnsi(kProgId); }
std::wstring FriendlyName() { return sheet::WidenAnsi(kFriendlyName); }
std::wstring ClassKey() { return L"CLSID\\" + ClsidText(); }
std::wstring AddinKey(const wchar_t* application) {
    return std::wstring(L"Software\\Microsoft\\Office\\") + application + L"\\Addins\\" + ProgId();
}

bool ModulePath(HMODULE module, std::wstring& path) {
    wchar_t buffer[kMaxModulePath + 1];
    DWORD length = GetModuleFileNameW(module, buffer, kMaxModulePath + 1);
    if (length == 0 || length > kMaxModulePath) return false;
    path.assign(buffer, length);
    return true;
}

// Creates the key and sets its default value when one is given.
bool WriteKey(const std::wstring& path, const std::wstring* defaultValue) {
    RegistryKey key;
    if (key.Create(HKEY_CLASSES_ROOT, path) != ERROR_SUCCESS) return false;
    return !defaultValue || key.SetString(nullptr, *defaultValue) == ERROR_SUCCESS;
}

HRESULT WriteOfficeAddinKey(const wchar_t* application, DWORD loadBehavior, const std::wstring& friendlyName) {
    RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, AddinKey(application)) != ERROR_SUCCESS) return E_ACCESSDENIED;
    bool ok = key.SetDword(L"LoadBehavior", loadBehavior) == ERROR_SUCCESS &&
              key.SetDword(L"CommandLineSafe", 0) == ERROR_SUCCESS;
    if (!friendlyName.empty())
        ok = ok && key.SetString(L"FriendlyName", friendlyName) == ERROR_SUCCESS &&
             key.SetString(L"Description", friendlyName) == ERROR_SUCCESS;
    return ok ? S_OK : E_ACCESSDENIED;
}

}  // namespace

std::wstring ClsidText() {
    wchar_t text[40] = {};
    StringFromGUID2(CLSID_CellwrightAddin, text, 40);
    return text;
}

HRESULT RegisterAddin(HMODULE module) {
    std::wstring path;
    if (!ModulePath(module, path)) return E_FAIL;
    const std::wstring name = FriendlyName();
    const std::wstring progId = ProgId();
    const std::wstring clsid = ClsidText();

    bool ok = WriteKey(ClassKey(), &name);
    ok = WriteKey(ClassKey() + L"\\InprocServer32", &path) && ok;
    ok = WriteKey(ClassKey() + L"\\ProgID", &progId) && ok;
    ok = WriteKey(progId, &name) && ok;
    ok = WriteKey(progId + L"\\CLSID", &clsid) && ok;
    ok = SUCCEEDED(WriteOfficeAddinKey(L"Excel", kLoadAtStartup, name)) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterAddin() {
    DeleteKeyTree(HKEY_CLASSES_ROOT, ClassKey());
    DeleteKeyTree(HKEY_CLASSES_ROOT, ProgId());
    DeleteKeyTree(HKEY_CURRENT_USER, AddinKey(L"Excel"));
    RemoveLegacyMenuFromExcel();
    return S_OK;
}
