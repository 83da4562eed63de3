#include "tools/status/EscapeKey.h"

#include <windows.h>

namespace status {

namespace {

constexpr SHORT kDownNow = static_cast<SHORT>(0x8000);
constexpr SHORT kPressedSinceLastLook = 0x0001;

bool ExcelInFront() noexcept {
    HWND front = GetForegroundWindow();
    if (!front) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    return process == GetCurrentProcessId();
}

}  // namespace

EscapeKey::EscapeKey() noexcept { GetAsyncKeyState(VK_ESCAPE); }

bool EscapeKey::Pressed() noexcept {
    SHORT state = GetAsyncKeyState(VK_ESCAPE);
    return (state & (kDownNow | kPressedSinceLastLook)) != 0 && ExcelInFront();
}

void EscapeKey::Consume() noexcept {
    // Only key-downs act; the first one of the queue is looked at, and taken only when it is Esc.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && message.wParam == VK_ESCAPE)
        PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
}

}  // namespace status
