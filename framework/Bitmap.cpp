#include "framework/Bitmap.h"

#include "framework/ModuleState.h"

namespace framework {

bool CBitmap::LoadBitmap(UINT resourceId) noexcept {
    DeleteObject();
    m_bitmap = ::LoadBitmapW(CurrentResourceHandle(), MAKEINTRESOURCEW(resourceId));
    return m_bitmap != nullptr;
}

bool CBitmap::LoadFromFile(const std::wstring& path) noexcept {
    DeleteObject();
    m_bitmap = static_cast<HBITMAP>(::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    return m_bitmap != nullptr;
}

void CBitmap::DeleteObject() noexcept {
    if (m_bitmap) ::DeleteObject(std::exchange(m_bitmap, nullptr));
}

bool CBitmap::GetBitmap(BITMAP& info) const noexcept {
    return m_bitmap && ::GetObjectW(m_bitmap, sizeof(info), &info) == sizeof(info);
}

}  // namespace framework
