#include "tools/common/WorkAreas.h"

#include <utility>

#include "sheet/SelectionAreas.h"

namespace blocks {

WorkAreas AreasToWorkOn(const sheet::Application& app, const sheet::Range& selection) {
    sheet::Areas areas = sheet::AreasOfSelection(selection);
    const long count = areas.Count();
    WorkAreas work;
    sheet::Range usedRange;
    for (long i = 1; i <= count; ++i) {
        sheet::Range area = areas.Item(i);
        const long rows = area.Rows().Count();
        const long columns = area.Columns().Count();
        if (!PastLimit(rows, columns)) {
            work.totalRows += rows;
            work.areas.push_back({std::move(area), rows, columns});
            continue;
        }
        if (usedRange.IsEmpty()) usedRange = app.ActiveSheet().UsedRange();
        sheet::Range inside = app.Intersect(area, usedRange);
        if (inside.IsEmpty()) continue;
        sheet::Areas parts = inside.Areas();
        const long partCount = parts.Count();
        for (long j = 1; j <= partCount; ++j) {
            sheet::Range part = parts.Item(j);
            const long partRows = part.Rows().Count();
            const long partColumns = part.Columns().Count();
            work.totalRows += partRows;
            work.areas.push_back({std::move(part), partRows, partColumns});
        }
    }
    return work;
}

sheet::Range WithinUsedRangePastLimit(const sheet::Application& app, const sheet::Range& area, long rows,
                                      long columns) {
    if (!PastLimit(rows, columns)) return area;
    return app.Intersect(area, app.ActiveSheet().UsedRange());
}

}  // namespace blocks
