#include "tools/merge/MergeSelection.h"

#include <vector>

#include "sheet/AutomationError.h"
#include "tools/common/WorkAreas.h"
#include "tools/merge/MergeGroups.h"

namespace merge {

namespace {

// The rows progress counts: a strip of columns reads all the rows of its area.
long long RowsToDo(const blocks::WorkArea& part, Grouping grouping) {
    if (grouping != Grouping::ColumnByColumn || part.rows * static_cast<long long>(part.columns) < 2) return part.rows;
    const long long strips = (part.columns + kStripColumns - 1) / kStripColumns;
    return part.rows * strips;
}

}  // namespace

MergeResult MergeSelection(const sheet::Application& app, const MergeRequest& request, status::Progress& progress) {
    sheet::Range selection = app.Selection();
    sheet::Worksheet sheet = app.ActiveSheet();
    const std::vector<blocks::WorkArea> parts = blocks::AreasToWorkOn(app, selection).areas;
    const Grouping grouping = GroupingOf(request.target);

    long long cells = 0;
    long long totalRows = 0;
    for (const blocks::WorkArea& part : parts) {
        cells += static_cast<long long>(part.rows) * part.columns;
        totalRows += RowsToDo(part, grouping);
    }
    if (cells > kMostCells)
        throw sheet::CAutomationError(E_INVALIDARG, L"The selection holds " + std::to_wstring(cells) +
                                                        L" cells to join, more than the 2147483647 that Merge Cell "
                                                        L"Text takes in one run. Select fewer cells and try again.");

    progress.Begin(static_cast<long>(totalRows));
    MergeResult result;
    MergeRun run{request, result, progress};
    for (const blocks::WorkArea& part : parts) {
        if (part.rows == 1 && part.columns == 1) {
            run.rowsDone += 1;
            if (!progress.Continue(run.rowsDone)) break;
            continue;
        }
        ++result.areas;
        // Groups of one cell keep their values: without merging there is nothing to do, not even to read.
        if (!request.mergeCells && GroupsAreSingleCells(grouping, part.rows, part.columns)) {
            run.rowsDone += static_cast<long>(RowsToDo(part, grouping));
            if (!progress.Continue(run.rowsDone)) break;
            continue;
        }
        const blocks::PlacedBlock area{sheet,     part.range,  part.range.Row(), part.range.Column(),
                                       part.rows, part.columns};
        bool going = true;
        switch (grouping) {
        case Grouping::RowByRow:
        case Grouping::ColumnByColumn: going = MergeLines(area, run, grouping); break;
        case Grouping::InOneCell: going = MergeInOneCell(area, run); break;
        }
        if (!going) break;
    }
    return result;
}

}  // namespace merge
