// The progress a tool's run reports on the status bar: for a long run the tool and the share done, a line
// per whole percent at most; and Esc, looked at every few hundred rows, which stops the run there.
#pragma once

#include <windows.h>

#include <string>

#include "tools/status/EscapeKey.h"
#include "tools/status/Progress.h"
#include "tools/status/StatusBarKeeper.h"
#include "tools/status/StatusLines.h"

namespace status {

class StatusProgress final : public Progress {
public:
    // Esc and progress are looked at once per this many rows.
    static constexpr long kCheckRows = 500;
    // A run of more rows than this (past the tools' size limit) shows its progress from the start...
    static constexpr long kLongRunRows = 1000;
    // ...and any other once it has taken this long.
    static constexpr ULONGLONG kLongRunMs = 1000;

    StatusProgress(StatusBarKeeper& statusBar, const StatusLines& lines, std::wstring tool) noexcept;

    void Begin(long totalRows) override;
    bool Continue(long rowsDone) override;
    void Advance(long rowsDone) override;

    bool Stopped() const noexcept { return m_stopped; }
    long RowsDone() const noexcept { return m_done; }
    long TotalRows() const noexcept { return m_total; }

private:
    // At a check: whether Esc was pressed, and a line when the share done has grown.
    bool EscapeAtCheck(long rowsDone);
    bool Long() const noexcept;

    StatusBarKeeper& m_statusBar;
    const StatusLines& m_lines;
    std::wstring m_tool;
    EscapeKey m_escape;
    ULONGLONG m_started;
    long m_total = 0;
    long m_done = 0;
    long m_nextCheck = kCheckRows;
    long long m_percentShown = -1;
    bool m_escaped = false;  // Esc seen, not yet acted on
    bool m_stopped = false;
};

}  // namespace status
