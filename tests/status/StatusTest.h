// What the status tests share: a stand-in Excel, a window of this process in front (as Excel's is while a
// tool runs), Esc pressed as the keyboard presses it, and a message loop run for a bounded time.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/cleanup/EngineTest.h"
#include "tools/status/Progress.h"

namespace cwtest {

using StatusBarPuts = std::vector<std::optional<std::wstring>>;

// The status bar puts since the given count of them.
inline StatusBarPuts StatusBarPutsSince(const host::Excel& excel, size_t before) {
    const StatusBarPuts& puts = excel.StatusBarPuts();
    return StatusBarPuts(puts.begin() + static_cast<long>(before), puts.end());
}

// Esc down and up through the system's input, as a user presses it.
inline void PressEscape() {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// True when the first key that waits in this thread's queue is Esc.
inline bool EscapeQueued() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && message.wParam == VK_ESCAPE;
}

// Runs this thread's message loop until done() holds or the time is up; false when it is up.
template <class Done>
bool PumpMessagesUntil(Done done, DWORD milliseconds) {
    ULONGLONG end = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(5);
    }
    return true;
}

// Hears every row an engine reports and stops it at the first check past the given row.
class StoppingProgress final : public status::Progress {
public:
    explicit StoppingProgress(long stopAfter) : m_stopAfter(stopAfter) {}
    void Begin(long totalRows) override { totals.push_back(totalRows); }
    bool Continue(long rowsDone) override {
        rows.push_back(rowsDone);
        return rowsDone < m_stopAfter;
    }
    void Advance(long rowsDone) override { advances.push_back(rowsDone); }
    std::vector<long> totals;
    std::vector<long> rows;      // at each Continue
    std::vector<long> advances;  // at each Advance

private:
    long m_stopAfter;
};

class StatusTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        m_window = CreateWindowExW(0, L"STATIC", L"Excel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                   nullptr, nullptr, nullptr);
        SetForegroundWindow(m_window);
        SetFocus(m_window);
    }
    void TearDown() override {
        DestroyWindow(m_window);
        EngineTest::TearDown();
    }

    StatusBarPuts PutsSince(size_t before) { return StatusBarPutsSince(Excel(), before); }

private:
    HWND m_window = nullptr;
};

}  // namespace cwtest
