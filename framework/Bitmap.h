// Owns one GDI bitmap loaded from the current resource module.
#pragma once

#include <windows.h>

#include <utility>

namespace framework {

class CBitmap {
public:
    CBitmap() noexcept = default;
    CBitmap(CBitmap&& other) noexcept : m_bitmap(std::exchange(other.m_bitmap, nullptr)) {}
    CBitmap& operator=(CBitmap&& other) noexcept
    {
        if (this != &other) {
            DeleteObject();
            m_bitmap = std::exchange(other.m_bitmap, nullptr);
        }
        return *this;
    }
    ~CBitmap() { DeleteObject(); }

    // Replaces the bitmap held; false (and nothing held) when the resource is missing.
    bool LoadBitmap(UINT resourceId) noexcept;
    void DeleteObject() noexcept;

    HBITMAP GetSafeHandle() const noexcept { return m_bitmap; }
    bool GetBitmap(BITMAP& info) const noexcept;

private:
    HBITMAP m_bitmap = nullptr;
};

}  // namespace framework
