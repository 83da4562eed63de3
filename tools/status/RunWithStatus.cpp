#include "tools/status/RunWithStatus.h"

#include "tools/status/StatusProgress.h"

namespace status {

void RunWithStatus(StatusBarKeeper& statusBar, const std::wstring& tool, const ReportedEngine& engine) {
    StatusLines lines = StatusLines::ForUser();
    StatusProgress progress(statusBar, lines, tool);
    std::wstring outcome;
    try {
        outcome = engine(progress, lines);
    } catch (...) {
        statusBar.RestoreNow();
        throw;
    }
    statusBar.Show(progress.Stopped() ? lines.Stopped(tool, progress.RowsDone(), progress.TotalRows(), outcome)
                                      : StatusLines::Finished(tool, outcome));
    statusBar.RestoreLater();
}

}  // namespace status
