// The display scale a window is drawn at, and the thread's DPI awareness while a top-level window of ours is
// created. The DPI functions of newer Windows are looked up at run time, so that the DLL still loads where
// they are missing; there everything is drawn at the system's scale.
#pragma once

#include <windows.h>

namespace framework {

constexpr UINT kDefaultDpi = 96;

// Office calls an add-in with the thread set to the awareness Office chose for it (system aware, most often),
// and a top-level window keeps the awareness the thread had when it was created. For its lifetime this makes
// the thread per-monitor aware (version 2 where Windows has it, so that dialogs scale themselves when moved to
// another monitor; else version 1), and then puts back the awareness it found. Nothing on older Windows.
class ScopedPerMonitorDpiAwareness {
public:
    ScopedPerMonitorDpiAwareness() noexcept;
    ~ScopedPerMonitorDpiAwareness();
    ScopedPerMonitorDpiAwareness(const ScopedPerMonitorDpiAwareness&) = delete;
    ScopedPerMonitorDpiAwareness& operator=(const ScopedPerMonitorDpiAwareness&) = delete;

    // Whether the thread's awareness was changed (false on Windows before 10, version 1607).
    bool Changed() const noexcept { return m_previous != nullptr; }

private:
    DPI_AWARENESS_CONTEXT m_previous = nullptr;
};

// The DPI the window is drawn at: its monitor's for a per-monitor aware window, else the system's.
UINT DpiOfWindow(HWND window) noexcept;
// The DPI the system's screen is drawn at, as the calling thread sees it.
UINT SystemDpi() noexcept;
// A length in pixels at 96 DPI, at the given DPI.
inline int ScaleToDpi(int pixels, UINT dpi) noexcept { return MulDiv(pixels, static_cast<int>(dpi), kDefaultDpi); }

// The scales at which the add-in carries its images, with the offset of each one's resource id from the
// image's id at 100% (res/resource.h: one image, four ids).
struct ImageScale {
    UINT dpi;
    int idOffset;
};
inline constexpr ImageScale kImageScales[] = {{96, 0}, {120, 100}, {144, 200}, {192, 300}};
// The resource id of the image drawn for the largest of those scales that is not above dpi.
int ImageIdForDpi(int idAt100, UINT dpi) noexcept;
// The DPI of the next smaller of those scales than the one dpi falls on (96 stays 96).
UINT ImageScaleBelow(UINT dpi) noexcept;

}  // namespace framework
