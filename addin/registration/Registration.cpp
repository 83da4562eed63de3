#include "addin/registration/Registration.h"

#include <objbase.h>
#include <olectl.h>

#include <string>

#include "addin/legacymenu/LegacyMenuRemoval.h"
#include "addin/registration/RegistryKey.h"
#include "framework/ClassRegistry.h"
#include "framework/Module.h"

namespace {

constexpr DWORD kLoadAtStartup = 3;
constexpr const wchar_t* kOfficeApplication = L"Excel";

// The CLSID in its registry form, in braces.
std::wstring RegistryForm(const CLSID& clsid) {
    wchar_t text[40] = {};
    StringFromGUID2(clsid, text, 40);
    return text;
}

std::wstring ClassKey(const framework::ClassEntry& entry) { return L"CLSID\\" + RegistryForm(*entry.clsid); }

// Every class of the module is an Excel add-in, known to Office by its ProgID.
std::wstring AddinKey(const framework::ClassEntry& entry) {
    return std::wstring(L"Software\\Microsoft\\Office\\") + kOfficeApplication + L"\\Addins\\" + entry.progId;
}

// Creates the key and sets its default value.
bool WriteKey(const std::wstring& path, const std::wstring& defaultValue) {
    RegistryKey key;
    if (key.Create(HKEY_CLASSES_ROOT, path) != ERROR_SUCCESS) return false;
    return key.SetString(nullptr, defaultValue) == ERROR_SUCCESS;
}

bool WriteOfficeAddinKey(const framework::ClassEntry& entry) {
    RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, AddinKey(entry)) != ERROR_SUCCESS) return false;
    return key.SetDword(L"LoadBehavior", kLoadAtStartup) == ERROR_SUCCESS &&
           key.SetDword(L"CommandLineSafe", 0) == ERROR_SUCCESS &&
           key.SetString(L"FriendlyName", entry.name) == ERROR_SUCCESS &&
           key.SetString(L"Description", entry.name) == ERROR_SUCCESS;
}

bool RegisterClassEntry(const framework::ClassEntry& entry, const std::wstring& modulePath) {
    const std::wstring classKey = ClassKey(entry);
    bool ok = WriteKey(classKey, entry.name);
    ok = WriteKey(classKey + L"\\InprocServer32", modulePath) && ok;
    ok = WriteKey(classKey + L"\\ProgID", entry.progId) && ok;
    ok = WriteKey(entry.progId, entry.name) && ok;
    ok = WriteKey(std::wstring(entry.progId) + L"\\CLSID", RegistryForm(*entry.clsid)) && ok;
    return WriteOfficeAddinKey(entry) && ok;
}

}  // namespace

HRESULT RegisterAddin() {
    const std::wstring path = framework::ModulePath();
    if (path.empty()) return E_FAIL;
    bool ok = true;
    for (const framework::ClassEntry& entry : framework::RegisteredClasses())
        ok = RegisterClassEntry(entry, path) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterAddin() {
    for (const framework::ClassEntry& entry : framework::RegisteredClasses()) {
        DeleteKeyTree(HKEY_CLASSES_ROOT, ClassKey(entry));
        DeleteKeyTree(HKEY_CLASSES_ROOT, entry.progId);
        DeleteKeyTree(HKEY_CURRENT_USER, AddinKey(entry));
    }
    RemoveLegacyMenuFromExcel();
    return S_OK;
}
