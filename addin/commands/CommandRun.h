// One run of a tool: what its pages work through (the working range, the run's settings, its line on the
// status bar), made when the command starts and gone when it returns.
#pragma once

#include <windows.h>

#include <vector>

#include "sheet/Application.h"
#include "sheet/Range.h"
#include "tools/cleanup/CleanupCommands.h"
#include "tools/duplicates/DuplicatesCommands.h"
#include "tools/merge/MergeCommands.h"
#include "tools/status/RunWithStatus.h"
#include "tools/status/StatusBarKeeper.h"
#include "tools/undo/LastRun.h"

class CCommandRun : public cleanup::CleanupCommands,
                    public duplicates::DuplicatesCommands,
                    public merge::MergeCommands {
public:
    // All three belong to the add-in, which outlives the run: its connection (empty once Excel disconnected),
    // what it keeps of the user's status bar, and the last run's record, which the engine's run replaces.
    CCommandRun(const sheet::Application& app, status::StatusBarKeeper& statusBar, undo::LastRun& lastRun) noexcept
        : m_app(app), m_statusBar(statusBar), m_lastRun(lastRun) {}
    CCommandRun(const CCommandRun&) = delete;
    CCommandRun& operator=(const CCommandRun&) = delete;

    // For the range pages: Excel's selection, and the working range that Remove Duplicates works on.
    sheet::Range Selection() const;
    void SetWorkRange(sheet::Range range) { m_workRange = std::move(range); }
    // Excel disconnected: its objects go now, as one held past disconnection can keep Excel from closing.
    void ReleaseExcel() noexcept { m_workRange = sheet::Range(); }

    // The engines the clean-up tools' last pages run.
    void RunChangeCase(cleanup::CaseMode mode) override;
    void RunRemoveCharacters(cleanup::RemoveMode mode) override;
    // What the Remove Duplicates pages need: the working range's columns, the ticked ones, and the engine.
    std::vector<duplicates::ColumnHeading> KeyColumnChoices() override;
    void SetKeyColumns(std::vector<UINT> offsets) override { m_keyColumns = std::move(offsets); }
    duplicates::DuplicatesResult RunRemoveDuplicates(duplicates::DupAction action, COLORREF color) override;
    // The engine the merge option pages run.
    merge::MergeResult MergeSelection(const merge::MergeRequest& request) override;

private:
    // The engine runs with the status bar told of it, and every change it makes kept in a new record of the
    // last run.
    void RunRecorded(const sheet::Application& app, const std::wstring& tool, const status::ReportedEngine& engine);
    // The Application for an engine's run; after disconnection the run is refused with a message.
    sheet::Application ApplicationForRun() const;
    // The selection's address for a line on the status bar; empty when it cannot be read.
    static std::wstring SelectionAddress(const sheet::Application& app) noexcept;

    const sheet::Application& m_app;
    status::StatusBarKeeper& m_statusBar;
    undo::LastRun& m_lastRun;
    sheet::Range m_workRange;
    std::vector<UINT> m_keyColumns;
};
