#include "addin/legacymenu/RegisteredExcel.h"

#include <objbase.h>

#include <algorithm>
#include <cwctype>

namespace {

constexpr DWORD kTextLimit = 1024;

// A string value (REG_EXPAND_SZ expanded); empty when there is none.
std::wstring ReadText(HKEY root, const std::wstring& path, REGSAM view = 0) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return {};
    wchar_t text[kTextLimit] = {};
    DWORD size = sizeof(text);
    const LSTATUS status = RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, text, &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::wstring(text) : std::wstring();
}

std::wstring RegistryForm(const CLSID& clsid) {
    wchar_t text[40] = {};
    StringFromGUID2(clsid, text, 40);
    return text;
}

// "C:\PROGRA~1\MICROS~2\OFFICE11\EXCEL.EXE /automation" or a quoted path with blanks: the name of the file.
std::wstring ProgramFileName(const std::wstring& commandLine) {
    std::wstring lower = commandLine;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return wchar_t(std::towlower(c)); });
    const size_t exe = lower.find(L".exe");
    if (exe == std::wstring::npos) return {};
    std::wstring path = commandLine.substr(0, exe + 4);
    const size_t lastSeparator = path.find_last_of(L"\\/\"");
    return lastSeparator == std::wstring::npos ? path : path.substr(lastSeparator + 1);
}

}  // namespace

std::optional<int> RegisteredExcelMajor() {
    const std::wstring current = ReadText(HKEY_CLASSES_ROOT, L"Excel.Application\\CurVer");
    const size_t point = current.rfind(L'.');
    if (point == std::wstring::npos || point + 1 == current.size() || current.size() - point > 5) return std::nullopt;
    int major = 0;
    for (size_t i = point + 1; i < current.size(); ++i) {
        if (current[i] < L'0' || current[i] > L'9') return std::nullopt;
        major = major * 10 + (current[i] - L'0');
    }
    return major;
}

std::wstring LocalServerFileName(const CLSID& clsid) {
    const std::wstring path = L"CLSID\\" + RegistryForm(clsid) + L"\\LocalServer32";
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        std::wstring name = ProgramFileName(ReadText(HKEY_CLASSES_ROOT, path, view));
        if (!name.empty()) return name;
    }
    return {};
}
