#include "tests/installer/RegistrySnapshot.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

namespace cwtest {

namespace {

std::wstring ValueText(DWORD type, const std::vector<BYTE>& data) {
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return (type == REG_SZ ? L"REG_SZ " : L"REG_EXPAND_SZ ") + text;
    }
    case REG_DWORD: {
        DWORD number = 0;
        if (data.size() == sizeof(number)) std::memcpy(&number, data.data(), sizeof(number));
        return L"REG_DWORD " + std::to_wstring(number);
    }
    default: {
        std::wstring text = L"type " + std::to_wstring(type) + L":";
        for (BYTE b : data) {
            wchar_t hex[4];
            std::swprintf(hex, 4, L"%02x", b);
            text += hex;
        }
        return text;
    }
    }
}

void Walk(HKEY parent, const std::wstring& subkey, const std::wstring& path, RegistrySnapshot& into) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, subkey.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return;
    into[path] = L"(key)";
    DWORD subkeys = 0, longestSubkey = 0, values = 0, longestName = 0, largestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values, &longestName,
                     &largestData, nullptr, nullptr);
    // One call per value and per sub-key: a snapshot makes tens of thousands of them.
    std::vector<wchar_t> name(std::max(longestName, longestSubkey) + 2);
    std::vector<BYTE> data(largestData + 2);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0, size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            continue;
        std::wstring valueName(name.data(), nameLength);
        into[path + L" [" + (valueName.empty() ? L"(default)" : valueName) + L"]"] =
            ValueText(type, std::vector<BYTE>(data.begin(), data.begin() + size));
    }
    std::vector<std::wstring> children;
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            children.emplace_back(name.data(), nameLength);
    }
    for (const auto& child : children) Walk(key, child, path + L"\\" + child, into);
    RegCloseKey(key);
}

}  // namespace

RegistrySnapshot SnapshotSoftware() {
    RegistrySnapshot snapshot;
    Walk(HKEY_LOCAL_MACHINE, L"Software", L"HKLM\\Software", snapshot);
    Walk(HKEY_CURRENT_USER, L"Software", L"HKCU\\Software", snapshot);
    return snapshot;
}

RegistryChanges Compare(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    RegistryChanges changes;
    for (const auto& [entry, value] : after) {
        auto found = before.find(entry);
        if (found == before.end() || found->second != value) changes.written[entry] = value;
    }
    for (const auto& [entry, value] : before)
        if (after.find(entry) == after.end()) changes.removed[entry] = value;
    return changes;
}

std::wstring Listing(const RegistrySnapshot& entries) {
    std::wstring text;
    for (const auto& [entry, value] : entries) text += L"  " + entry + L" = " + value + L"\n";
    return text.empty() ? L"  (nothing)\n" : text;
}

}  // namespace cwtest
