// An open registry key, closed on destruction.
#pragma once

#include <windows.h>

#include <string>

class RegistryKey {
public:
    RegistryKey() noexcept = default;
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept : m_key(other.m_key) { other.m_key = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Creates the key, or opens it when it is there, with full access.
    LSTATUS Create(HKEY root, const std::wstring& path);
    LSTATUS Open(HKEY root, const std::wstring& path);
    void Close() noexcept;

    LSTATUS SetString(const wchar_t* name, const std::wstring& value) const;
    LSTATUS SetDword(const wchar_t* name, DWORD value) const;

    HKEY get() const noexcept { return m_key; }

private:
    HKEY m_key = nullptr;
};

// Deletes a key with everything below it; the first error stops it and is returned.
LSTATUS DeleteKeyTree(HKEY root, const std::wstring& path);
