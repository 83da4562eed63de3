#include "tools/merge/MergeSelection.h"

#include <vector>

#include "sheet/AutomationError.h"
#include "sheet/SelectionAreas.h"
#include "tools/merge/MergeGroups.h"

namespace merge {

namespace {

struct Part {
    sheet::Range area;
    long rows;
    long columns;
};

// The areas to work on, in order: each as it is within the limit, else its parts within the used range.
std::vector<Part> PartsOf(const sheet::Application& app, const sheet::Worksheet& sheet, sheet::Areas areas) {
    std::vector<Part> parts;
    sheet::Range usedRange;
    const long areaCount = areas.Count();
    for (long i = 1; i <= areaCount; ++i) {
        sheet::Range area = areas.Item(i);
        const long rows = area.Rows().Count();
        const long columns = area.Columns().Count();
        if (rows <= kRowLimit && columns <= kColumnLimit) {
            parts.push_back({std::move(area), rows, columns});
            continue;
        }
        if (usedRange.IsEmpty()) usedRange = sheet.UsedRange();
        sheet::Range inside = app.Intersect(area, usedRange);
        if (inside.IsEmpty()) continue;
        sheet::Areas insideParts = inside.Areas();
        const long partCount = insideParts.Count();
        for (long j = 1; j <= partCount; ++j) {
            sheet::Range part = insideParts.Item(j);
            const long partRows = part.Rows().Count();
            const long partColumns = part.Columns().Count();
            parts.push_back({std::move(part), partRows, partColumns});
        }
    }
    return parts;
}

// The rows progress counts: a strip of columns reads all the rows of its area.
long long RowsToDo(const Part& part, Grouping grouping) {
    if (grouping != Grouping::ColumnByColumn || part.rows * static_cast<long long>(part.columns) < 2) return part.rows;
    const long long strips = (part.columns + kStripColumns - 1) / kStripColumns;
    return part.rows * strips;
}

}  // namespace

MergeResult MergeSelection(const sheet::Application& app, const MergeRequest& request, status::Progress& progress) {
    sheet::Range selection = app.Selection();
    sheet::Worksheet sheet = app.ActiveSheet();
    const std::vector<Part> parts = PartsOf(app, sheet, sheet::AreasOfSelection(selection));
    const Grouping grouping = GroupingOf(request.target);

    long long cells = 0;
    long long totalRows = 0;
    for (const Part& part : parts) {
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
    for (const Part& part : parts) {
        if (part.rows == 1 && part.columns == 1) {
            run.rowsDone += 1;
            if (!progress.Continue(run.rowsDone)) break;
            continue;
        }
        const blocks::PlacedBlock area{sheet, part.area, part.area.Row(), part.area.Column(), part.rows, part.columns};
        ++result.areas;
        bool going = true;
        switch (grouping) {
        case Grouping::RowByRow: going = MergeRowByRow(area, run); break;
        case Grouping::ColumnByColumn: going = MergeColumnByColumn(area, run); break;
        case Grouping::InOneCell: going = MergeInOneCell(area, run); break;
        }
        if (!going) break;
    }
    return result;
}

}  // namespace merge
