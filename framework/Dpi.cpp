#include "framework/Dpi.h"

namespace framework {

namespace {

template <class Function>
Function User32Function(const char* name) noexcept {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}

using SetThreadDpiAwarenessContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();

// LOGPIXELSY of a screen DC: what Windows before 10 scales by.
UINT ScreenDcDpi(HWND window) noexcept {
    HDC dc = ::GetDC(window);
    if (!dc) return kDefaultDpi;
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(window, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

ScopedPerMonitorDpiAwareness::ScopedPerMonitorDpiAwareness() noexcept {
    static const auto set = User32Function<SetThreadDpiAwarenessContextFunction>("SetThreadDpiAwarenessContext");
    if (!set) return;
    // Version 2 is refused before Windows 10 version 1703: the old awareness is then given back as null.
    m_previous = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (!m_previous) m_previous = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

ScopedPerMonitorDpiAwareness::~ScopedPerMonitorDpiAwareness() {
    static const auto set = User32Function<SetThreadDpiAwarenessContextFunction>("SetThreadDpiAwarenessContext");
    if (set && m_previous) set(m_previous);
}

UINT DpiOfWindow(HWND window) noexcept {
    static const auto get = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (get && window) {
        if (UINT dpi = get(window)) return dpi;
    }
    return ScreenDcDpi(window);
}

UINT SystemDpi() noexcept {
    static const auto get = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    if (get) return get();
    return ScreenDcDpi(nullptr);
}

int ImageIdForDpi(int idAt100, UINT dpi) noexcept {
    int offset = 0;
    for (const ImageScale& scale : kImageScales) {
        if (scale.dpi <= dpi) offset = scale.idOffset;
    }
    return idAt100 + offset;
}

UINT ImageScaleBelow(UINT dpi) noexcept {
    UINT below = kDefaultDpi;
    UINT on = kDefaultDpi;
    for (const ImageScale& scale : kImageScales) {
        if (scale.dpi > dpi) break;
        below = on;
        on = scale.dpi;
    }
    return below;
}

}  // namespace framework
