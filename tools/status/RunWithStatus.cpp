#include "tools/status/RunWithStatus.h"

#include "framework/Trace.h"
#include "tools/status/StatusProgress.h"

namespace status {

void RunWithStatus(StatusBarKeeper& statusBar, const std::wstring& tool, const ReportedEngine& engine) {
    StatusLines lines = StatusLines::ForUser();
    StatusProgress progress(statusBar, lines, tool);
    std::wstring outcome;
    try {
        outcome = engine(progress, lines);
    } catch (...) {
        framework::TraceSwallowed((tool + L" failed").c_str());
        statusBar.RestoreNow();
        throw;
    }
    const std::wstring line = progress.Stopped()
                                  ? lines.Stopped(tool, progress.RowsDone(), progress.TotalRows(), outcome)
                                  : StatusLines::Finished(tool, outcome);
    framework::Trace(line);
    statusBar.Show(line);
    statusBar.RestoreLater();
}

}  // namespace status
