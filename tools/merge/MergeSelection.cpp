#include "tools/merge/MergeSelection.h"

#include <vector>

#include "sheet/SelectionAreas.h"
#include "tools/merge/AreaTexts.h"
#include "tools/merge/MergeArea.h"

namespace merge {

namespace {

struct Part {
    sheet::Range area;
    long rows;
    long columns;
};

}  // namespace

MergeResult MergeSelection(const sheet::Application& app, const MergeRequest& request, status::Progress& progress) {
    sheet::Range selection = app.Selection();
    sheet::Worksheet sheet = app.ActiveSheet();
    sheet::Areas areas = sheet::AreasOfSelection(selection);
    const long areaCount = areas.Count();

    // The areas are gathered first, so that progress knows the rows before it.
    std::vector<Part> parts;
    long totalRows = 0;
    sheet::Range usedRange;
    for (long i = 1; i <= areaCount; ++i) {
        sheet::Range area = areas.Item(i);
        const long rows = area.Rows().Count();
        const long columns = area.Columns().Count();
        if (rows <= kRowLimit && columns <= kColumnLimit) {
            totalRows += rows;
            parts.push_back({std::move(area), rows, columns});
            continue;
        }
        // Past the limit only the cells that can hold text count, and never a cell outside the selection:
        // the area's part inside the used range.
        if (usedRange.IsEmpty()) usedRange = sheet.UsedRange();
        sheet::Range inside = app.Intersect(area, usedRange);
        if (inside.IsEmpty()) continue;
        sheet::Areas insideParts = inside.Areas();
        const long partCount = insideParts.Count();
        for (long j = 1; j <= partCount; ++j) {
            sheet::Range part = insideParts.Item(j);
            const long partRows = part.Rows().Count();
            const long partColumns = part.Columns().Count();
            totalRows += partRows;
            parts.push_back({std::move(part), partRows, partColumns});
        }
    }

    progress.Begin(totalRows);
    MergeResult result;
    long rowsDone = 0;
    for (const Part& part : parts) {
        if (part.rows > 1 || part.columns > 1) {
            TextGrid texts = ReadAreaTexts(part.area, part.rows, part.columns);
            // A stop comes before anything of the area changes.
            if (!progress.Continue(rowsDone)) break;
            MergeArea(part.area, texts, request, result, [&](long row) { progress.Advance(rowsDone + row); });
        }
        rowsDone += part.rows;
        progress.Advance(rowsDone);
    }
    return result;
}

}  // namespace merge
