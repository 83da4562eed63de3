#include "tools/merge/MergeSelection.h"

#include "sheet/SelectionAreas.h"
#include "tools/merge/AreaTexts.h"
#include "tools/merge/MergeArea.h"

namespace merge {

namespace {

void MergeOneArea(const sheet::Range& area, long rows, long columns, const MergeRequest& request,
                  MergeResult& result) {
    if (rows == 1 && columns == 1) return;
    TextGrid texts = ReadAreaTexts(area, rows, columns);
    MergeArea(area, texts, request, result);
}

}  // namespace

MergeResult MergeSelection(const sheet::Application& app, const MergeRequest& request) {
    sheet::Range selection = app.Selection();
    sheet::Worksheet sheet = app.ActiveSheet();
    sheet::Areas areas = sheet::AreasOfSelection(selection);
    const long areaCount = areas.Count();

    MergeResult result;
    sheet::Range usedRange;
    for (long i = 1; i <= areaCount; ++i) {
        sheet::Range area = areas.Item(i);
        const long rows = area.Rows().Count();
        const long columns = area.Columns().Count();
        if (rows <= kRowLimit && columns <= kColumnLimit) {
            MergeOneArea(area, rows, columns, request, result);
            continue;
        }
        // Past the limit only the cells that can hold text count, and never a cell outside the selection:
        // the area's part inside the used range.
        if (usedRange.IsEmpty()) usedRange = sheet.UsedRange();
        sheet::Range inside = app.Intersect(area, usedRange);
        if (inside.IsEmpty()) continue;
        sheet::Areas parts = inside.Areas();
        const long partCount = parts.Count();
        for (long j = 1; j <= partCount; ++j) {
            sheet::Range part = parts.Item(j);
            MergeOneArea(part, part.Rows().Count(), part.Columns().Count(), request, result);
        }
    }
    return result;
}

}  // namespace merge
