#include "tools/undo/UndoCommand.h"

#include "sheet/AutomationError.h"
#include "tools/status/RunWithStatus.h"
#include "tools/undo/UndoLastRun.h"

namespace undo {

std::wstring UndoOutcome(const UndoResult& result, const status::StatusLines& lines) {
    std::wstring outcome;
    if (result.cellsPutBack > 0)
        outcome = lines.Count(result.cellsPutBack, L"cell", L"cells") + L" put back";
    else if (result.selectionPutBack)
        outcome = L"the selection put back";
    else
        outcome = L"nothing put back";
    if (result.cellsLeft > 0) outcome += L", " + lines.Number(result.cellsLeft) + L" left as you changed them";
    return outcome;
}

void RunUndoLastRun(const sheet::Application& app, status::StatusBarKeeper& statusBar, LastRun& lastRun) {
    blocks::RunRecord* record = lastRun.Record();
    if (!lastRun.Undoable() || !record) return;
    status::RunWithStatus(statusBar, L"Undo Last Run", [&](status::Progress& progress, const status::StatusLines& lines) {
        const UndoResult result = UndoLastRun(app, *record, progress);
        if (result.sheetGone) {
            const std::wstring message = L"The last run cannot be undone: the sheet \"" + record->SheetName() +
                                         L"\" of \"" + record->WorkbookName() +
                                         L"\" that it changed is no longer open. Nothing was changed.";
            lastRun.Release();
            throw sheet::CAutomationError(E_FAIL, message);
        }
        return UndoOutcome(result, lines);
    });
    if (record->Empty()) lastRun.Release();
}

}  // namespace undo
