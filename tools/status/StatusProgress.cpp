#include "tools/status/StatusProgress.h"

namespace status {

StatusProgress::StatusProgress(StatusBarKeeper& statusBar, const StatusLines& lines, std::wstring tool) noexcept
    : m_statusBar(statusBar), m_lines(lines), m_tool(std::move(tool)), m_started(GetTickCount64()) {}

void StatusProgress::Begin(long totalRows) {
    m_total = totalRows;
    m_done = 0;
    m_nextCheck = kCheckRows;
}

bool StatusProgress::Continue(long rowsDone) {
    m_done = rowsDone;
    if (m_stopped) return false;
    if (rowsDone >= m_total) return true;
    if (!m_escaped && !EscapeAtCheck(rowsDone)) return true;
    m_stopped = true;
    return false;
}

void StatusProgress::Advance(long rowsDone) {
    m_done = rowsDone;
    if (!m_stopped && !m_escaped && rowsDone < m_total) m_escaped = EscapeAtCheck(rowsDone);
}

bool StatusProgress::EscapeAtCheck(long rowsDone) {
    if (rowsDone < m_nextCheck) return false;
    m_nextCheck = rowsDone + kCheckRows;
    if (m_escape.Pressed()) {
        EscapeKey::Consume();
        return true;
    }
    long long percent = static_cast<long long>(rowsDone) * 100 / m_total;
    if (Long() && percent != m_percentShown) {
        m_percentShown = percent;
        m_statusBar.Show(m_lines.Progress(m_tool, rowsDone, m_total));
    }
    return false;
}

bool StatusProgress::Long() const noexcept {
    return m_total > kLongRunRows || GetTickCount64() - m_started >= kLongRunMs;
}

}  // namespace status
