// Owns one GDI bitmap, loaded from the current resource module or from a bitmap file.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace framework {

class CBitmap {
public:
    CBitmap() noexcept = default;
    CBitmap(CBitmap&& other) noexcept : m_bitmap(std::exchange(other.m_bitmap, nullptr)) {}
    CBitmap& operator=(CBitmap&& other) noexcept {
        if (this != &other) {
            DeleteObject();
            m_bitmap = std::exchange(other.m_bitmap, nullptr);
        }
        return *this;
    }
    ~CBitmap() { DeleteObject(); }

    // Replaces the bitmap held; false (and nothing held) when the resource is missing.
    bool LoadBitmap(UINT resourceId) noexcept;
    // A .bmp file at its own size, as a bitmap compatible with the screen; false (and nothing held) when
    // it cannot be read.
    bool LoadFromFile(const std::wstring& path) noexcept;
    // Hands the bitmap to a new owner (the clipboard, say).
    HBITMAP Detach() noexcept { return std::exchange(m_bitmap, nullptr); }
    void DeleteObject() noexcept;

    HBITMAP GetSafeHandle() const noexcept { return m_bitmap; }
    bool GetBitmap(BITMAP& info) const noexcept;

private:
    HBITMAP m_bitmap = nullptr;
};

}  // namespace framework
