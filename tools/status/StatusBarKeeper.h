// Excel's status bar belongs to the user. What it showed (Excel's own, or a macro's text) is read before the
// first line of ours and put back about ten seconds after our last line, by a timer on Excel's thread, or at
// once when the next command starts. Nothing here ever fails a tool: a status bar that cannot be read or put
// is left alone.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "sheet/Application.h"

namespace status {

class StatusBarKeeper {
public:
    static constexpr UINT kRestoreDelayMs = 10000;
    // Excel refuses calls while the user edits a cell: a put-back the timer could not make is tried again
    // after the delay, this many times in all.
    static constexpr int kRestoreTries = 6;

    // The wrapper is Excel's Application for as long as this lives; an empty one makes no calls.
    explicit StatusBarKeeper(const sheet::Application& app, UINT restoreDelayMs = kRestoreDelayMs) noexcept
        : m_app(app), m_delayMs(restoreDelayMs) {}
    // Stops a pending put-back without making it: Excel may be gone.
    ~StatusBarKeeper();
    StatusBarKeeper(const StatusBarKeeper&) = delete;
    StatusBarKeeper& operator=(const StatusBarKeeper&) = delete;

    // Shows a line of ours; a put-back that was pending waits for the next RestoreLater.
    void Show(const std::wstring& line) noexcept;
    // Puts back the user's status bar after the delay, while Excel's thread runs its message loop.
    void RestoreLater() noexcept;
    // Puts it back now, unless someone else has put a line there since ours.
    void RestoreNow() noexcept;

    // True while a line of ours may be on the status bar.
    bool Holding() const noexcept { return m_holding; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) noexcept;
    void StartTimer() noexcept;
    void StopTimer() noexcept;
    // False when Excel refused the call; the line of ours is still held then.
    bool PutBack() noexcept;

    const sheet::Application& m_app;
    UINT m_delayMs;
    bool m_holding = false;
    std::optional<std::wstring> m_users;  // no text: Excel's own
    std::wstring m_shown;
    UINT_PTR m_timer = 0;
    int m_triesLeft = 0;
};

}  // namespace status
