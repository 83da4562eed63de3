#include "addin/commands/CommandRun.h"

#include "addin/commands/ToolOutcomes.h"
#include "framework/Exception.h"
#include "framework/Trace.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/duplicates/RemoveDuplicates.h"
#include "tools/merge/MergeSelection.h"
#include "tools/common/RecordingRun.h"

sheet::Range CCommandRun::Selection() const { return m_app.Selection(); }

void CCommandRun::RunRecorded(const sheet::Application& app, const std::wstring& tool,
                              const status::ReportedEngine& engine) {
    blocks::RecordingRun recording(m_lastRun.Begin(), app);
    status::RunWithStatus(m_statusBar, tool, [&](status::Progress& progress, const status::StatusLines& lines) {
        return m_lastRun.Noted(engine(progress, lines));
    });
}

sheet::Application CCommandRun::ApplicationForRun() const {
    if (m_app.IsEmpty())
        throw framework::CException(L"Cellwright has been unloaded, so the command was not carried out.");
    // The run's own reference: a disconnection in the middle of it does not pull Excel away under it.
    return m_app;
}

void CCommandRun::RunChangeCase(cleanup::CaseMode mode) {
    sheet::Application app = ApplicationForRun();
    RunRecorded(app, L"Change Case",
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              const cleanup::TextWalkResult result = cleanup::RunChangeCase(app, mode, progress);
                              return lines.CellsChanged(result.changed, SelectionAddress(app), result.keptTooLong);
                          });
}

void CCommandRun::RunRemoveCharacters(cleanup::RemoveMode mode) {
    sheet::Application app = ApplicationForRun();
    RunRecorded(app, L"Remove Characters",
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              const cleanup::TextWalkResult result = cleanup::RunRemoveCharacters(app, mode, progress);
                              return lines.CellsChanged(result.changed, SelectionAddress(app), result.keptTooLong);
                          });
}

std::wstring CCommandRun::SelectionAddress(const sheet::Application& app) noexcept {
    try {
        return app.Selection().Address();
    } catch (...) {
        framework::TraceSwallowed(L"reading the selection's address for the status bar");
        return std::wstring();
    }
}

std::vector<duplicates::ColumnHeading> CCommandRun::KeyColumnChoices() {
    return duplicates::ReadColumnHeadings(m_workRange);
}

duplicates::DuplicatesResult CCommandRun::RunRemoveDuplicates(duplicates::DupAction action, COLORREF color) {
    sheet::Application app = ApplicationForRun();
    // The engine's own range and columns, whatever a disconnection does to the run's meanwhile.
    sheet::Range workRange = m_workRange;
    std::vector<UINT> keyColumns = m_keyColumns;
    duplicates::DuplicatesResult result;
    RunRecorded(
        app, L"Remove Duplicates", [&](status::Progress& progress, const status::StatusLines& lines) {
            result = duplicates::RunRemoveDuplicates(app, workRange, keyColumns, action, color, progress);
            return DuplicatesOutcome(action, result, lines);
        });
    return result;
}

merge::MergeResult CCommandRun::MergeSelection(const merge::MergeRequest& request) {
    sheet::Application app = ApplicationForRun();
    merge::MergeResult result;
    RunRecorded(app, L"Merge Cell Text",
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              result = merge::MergeSelection(app, request, progress);
                              return MergeOutcome(request, result, lines);
                          });
    return result;
}
