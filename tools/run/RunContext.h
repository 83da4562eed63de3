// What the command runner keeps for every run and lends it: Excel's connection, the user's status bar, and the
// record of the last run, which an engine's run replaces and Undo Last Run puts back.
#pragma once

#include "sheet/Application.h"
#include "tools/run/LastRun.h"
#include "tools/status/StatusBarKeeper.h"

namespace tools {

// What a run is lent; all of it outlives the run. The Application is empty once Excel disconnected.
struct RunContext {
    const sheet::Application& app;
    status::StatusBarKeeper& statusBar;
    LastRun& lastRun;
};

// What the runner keeps between runs, for the connection it is given.
class RunResources {
public:
    explicit RunResources(const sheet::Application& app) noexcept : m_app(app), m_statusBar(app) {}
    RunResources(const RunResources&) = delete;
    RunResources& operator=(const RunResources&) = delete;

    RunContext Context() noexcept { return {m_app, m_statusBar, m_lastRun}; }
    // A command starts: the last run's line gives way to what the user had.
    void RestoreStatusBar() noexcept { m_statusBar.RestoreNow(); }
    // Excel disconnects: the user's status bar comes back, and the last run's record lets go of Excel's objects.
    void Release() noexcept {
        m_statusBar.RestoreNow();
        m_lastRun.Release();
    }

private:
    const sheet::Application& m_app;
    status::StatusBarKeeper m_statusBar;
    LastRun m_lastRun;
};

}  // namespace tools
