#include "tools/undo/UndoLastRun.h"

#include "sheet/AutomationError.h"
#include "tools/undo/PutBackCells.h"
#include "tools/undo/PutBackFormats.h"

namespace undo {

namespace {

// Excel's "Object required" (run-time error 424), and COM's word for an object whose server let it go.
constexpr HRESULT kObjectRequired = static_cast<HRESULT>(0x800A01A8);

long RecordedRows(blocks::RunRecord& record) {
    long rows = 0;
    for (const blocks::RecordedCells& cells : record.Cells()) rows += cells.Bounds().rows;
    return rows;
}

// The owner's name, or nothing when it has gone.
bool StillOpen(const sheet::Worksheet& sheet) {
    try {
        sheet.Name();
        return true;
    } catch (const sheet::CAutomationError& error) {
        if (IsGone(error.Code())) return false;
        throw;
    }
}

}  // namespace

bool IsGone(HRESULT code) {
    return code == kObjectRequired || code == RPC_E_DISCONNECTED || code == CO_E_OBJNOTCONNECTED;
}

UndoResult UndoLastRun(const sheet::Application& app, blocks::RunRecord& record, status::Progress& progress) {
    UndoResult result;
    if (!record.HasOwner()) return result;
    const sheet::Worksheet& sheet = record.Owner();
    if (!StillOpen(sheet)) {
        result.sheetGone = true;
        return result;
    }
    // Where the user sees what comes back, and where its selection can be made again.
    sheet.Activate();

    record.CollapseRepeatedCells();
    progress.Begin(RecordedRows(record));
    TakeApartRunMerges(sheet, record);
    long rowsDone = 0;
    std::vector<blocks::RecordedCells>& cells = record.Cells();
    while (!cells.empty()) {
        PutBackCells(sheet, cells.back(), result);
        rowsDone += cells.back().Bounds().rows;
        cells.pop_back();
        if (!cells.empty() && !progress.Continue(rowsDone)) {
            record.Recount();
            return result;
        }
    }
    MergeAgain(sheet, record);
    PutBackFormats(sheet, record, result);
    PutBackSelection(app, sheet, record, result);
    progress.Advance(rowsDone);
    record.Recount();
    return result;
}

}  // namespace undo
