#include "tools/run/ToolRun.h"

#include "framework/Exception.h"
#include "framework/Trace.h"
#include "tools/common/RecordingRun.h"
#include "tools/status/RunWithStatus.h"

namespace tools {

sheet::Range ToolRun::Selection() const { return m_context.app.Selection(); }

void ToolRun::RunEngine(const std::wstring& tool, const Engine& engine) {
    if (m_context.app.IsEmpty())
        throw framework::CException(L"Cellwright has been unloaded, so the command was not carried out.");
    // The run's own reference: a disconnection in the middle of it does not pull Excel away under it.
    sheet::Application app = m_context.app;
    LastRun& lastRun = m_context.lastRun;
    blocks::RecordingRun recording(lastRun.Begin(), app);
    status::RunWithStatus(m_context.statusBar, tool,
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              return lastRun.Noted(engine(app, progress, lines));
                          });
}

std::wstring ToolRun::SelectionAddress(const sheet::Application& app) noexcept {
    try {
        return app.Selection().Address();
    } catch (...) {
        framework::TraceSwallowed(L"reading the selection's address for the status bar");
        return std::wstring();
    }
}

}  // namespace tools
