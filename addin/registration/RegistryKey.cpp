#include "addin/registration/RegistryKey.h"

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        m_key = other.m_key;
        other.m_key = nullptr;
    }
    return *this;
}

LSTATUS RegistryKey::Create(HKEY root, const std::wstring& path) {
    Close();
    return RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                           nullptr);
}

LSTATUS RegistryKey::Open(HKEY root, const std::wstring& path) {
    Close();
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &m_key);
}

void RegistryKey::Close() noexcept {
    if (m_key) RegCloseKey(m_key);
    m_key = nullptr;
}

LSTATUS RegistryKey::SetString(const wchar_t* name, const std::wstring& value) const {
    return RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

LSTATUS RegistryKey::SetDword(const wchar_t* name, DWORD value) const {
    return RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

LSTATUS DeleteKeyTree(HKEY root, const std::wstring& path) {
    RegistryKey key;
    LSTATUS status = key.Open(root, path);
    if (status != ERROR_SUCCESS) return status;
    for (;;) {
        wchar_t child[256];
        DWORD length = 256;
        status = RegEnumKeyExW(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) return status;
        status = DeleteKeyTree(key.get(), child);
        if (status != ERROR_SUCCESS) return status;
    }
    key.Close();
    return RegDeleteKeyW(root, path.c_str());
}
