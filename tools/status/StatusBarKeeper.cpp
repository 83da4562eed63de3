#include "tools/status/StatusBarKeeper.h"

#include <map>

#include "framework/Trace.h"

namespace status {

namespace {

// A thread timer carries no pointer of ours; its id finds the keeper. Only Excel's thread gets here.
std::map<UINT_PTR, StatusBarKeeper*>& Timers() {
    static std::map<UINT_PTR, StatusBarKeeper*> timers;
    return timers;
}

}  // namespace

StatusBarKeeper::~StatusBarKeeper() { StopTimer(); }

void StatusBarKeeper::Show(const std::wstring& line) noexcept {
    StopTimer();
    try {
        if (!m_holding) {
            m_users = m_app.StatusBar();
            m_holding = true;
        }
        m_shown = line;
        m_app.SetStatusBar(line);
    } catch (...) {
        // The user's status bar stays as it was, or shows our earlier line until the put-back.
        framework::TraceSwallowed(L"showing a line on the status bar");
    }
}

void StatusBarKeeper::RestoreLater() noexcept {
    if (!m_holding) return;
    m_triesLeft = kRestoreTries;
    StartTimer();
}

void StatusBarKeeper::RestoreNow() noexcept {
    StopTimer();
    // A command is starting or Excel is letting go of the add-in: one try, and the line is given up.
    if (!PutBack()) m_holding = false;
}

bool StatusBarKeeper::PutBack() noexcept {
    if (!m_holding) return true;
    try {
        if (m_app.StatusBar() == std::optional<std::wstring>(m_shown)) m_app.SetStatusBar(m_users);
    } catch (...) {
        framework::TraceSwallowed(L"giving the user's status bar back");
        return false;
    }
    m_holding = false;
    return true;
}

void StatusBarKeeper::StartTimer() noexcept {
    StopTimer();
    try {
        auto& timers = Timers();
        UINT_PTR id = SetTimer(nullptr, 0, m_delayMs, &StatusBarKeeper::OnTimer);
        if (!id) return;
        m_timer = id;
        timers[id] = this;
    } catch (...) {
        framework::TraceSwallowed(L"setting the status bar's put-back timer");
        StopTimer();
    }
}

void StatusBarKeeper::StopTimer() noexcept {
    if (!m_timer) return;
    KillTimer(nullptr, m_timer);
    Timers().erase(m_timer);
    m_timer = 0;
}

void CALLBACK StatusBarKeeper::OnTimer(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    auto& timers = Timers();
    auto found = timers.find(id);
    if (found == timers.end()) {
        KillTimer(nullptr, id);
        return;
    }
    StatusBarKeeper& keeper = *found->second;
    keeper.StopTimer();
    if (keeper.PutBack()) return;
    if (--keeper.m_triesLeft > 0)
        keeper.StartTimer();
    else
        keeper.m_holding = false;  // given up: the line stays until Excel's next own one
}

}  // namespace status
