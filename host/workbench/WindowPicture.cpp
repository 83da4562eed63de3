#include "host/workbench/WindowPicture.h"

#include <objidl.h>
#include <gdiplus.h>

#include "framework/GdiplusSession.h"

namespace workbench {

namespace {

BOOL CALLBACK AddVisibleWindow(HWND window, LPARAM area) {
    RECT rect;
    if (IsWindowVisible(window) && GetWindowRect(window, &rect) && !IsRectEmpty(&rect)) {
        RECT* united = reinterpret_cast<RECT*>(area);
        UnionRect(united, united, &rect);
    }
    return TRUE;
}

// The screen DC and a bitmap of the area, released at the end of the scope.
class ScreenCopy {
public:
    explicit ScreenCopy(const RECT& area)
        : m_screen(GetDC(nullptr)),
          m_memory(CreateCompatibleDC(m_screen)),
          m_bitmap(CreateCompatibleBitmap(m_screen, area.right - area.left, area.bottom - area.top)) {
        if (!m_memory || !m_bitmap) return;
        HGDIOBJ old = SelectObject(m_memory, m_bitmap);
        m_ok = BitBlt(m_memory, 0, 0, area.right - area.left, area.bottom - area.top, m_screen, area.left, area.top,
                      SRCCOPY | CAPTUREBLT) != FALSE;
        SelectObject(m_memory, old);
    }
    ~ScreenCopy() {
        if (m_bitmap) DeleteObject(m_bitmap);
        if (m_memory) DeleteDC(m_memory);
        ReleaseDC(nullptr, m_screen);
    }
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;

    bool ok() const { return m_ok; }
    HBITMAP bitmap() const { return m_bitmap; }

private:
    HDC m_screen;
    HDC m_memory;
    HBITMAP m_bitmap;
    bool m_ok = false;
};

// GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

bool SaveThreadWindowsPicture(HWND window, const std::wstring& pngPath) {
    RECT area{};
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), AddVisibleWindow, reinterpret_cast<LPARAM>(&area));
    if (IsRectEmpty(&area)) return false;
    ScreenCopy copy(area);
    framework::GdiplusSession gdiplus;
    if (!copy.ok() || !gdiplus.ok()) return false;
    Gdiplus::Bitmap picture(copy.bitmap(), nullptr);
    return picture.Save(pngPath.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

}  // namespace workbench
