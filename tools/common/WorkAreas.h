// The cells a tool works on. A selection's size changes the cost, never the outcome, with one exception:
// past the size limit (more than 1000 rows, or a row as wide as a whole row of Excel 2000 to 2003, 256 columns:
// whole columns and whole rows of every version) the work stays within the active sheet's used range, and cells
// outside it are not touched.
#pragma once

#include <vector>

#include "sheet/Application.h"

namespace blocks {

constexpr long kRowLimit = 1000;
constexpr long kColumnLimit = 256;

inline bool PastLimit(long rows, long columns) { return rows > kRowLimit || columns >= kColumnLimit; }

struct WorkArea {
    sheet::Range range;
    long rows = 0;
    long columns = 0;
};

struct WorkAreas {
    std::vector<WorkArea> areas;
    long totalRows = 0;
};

// The selection's areas in order, each as it is within the limit, else its parts within the used range (none
// when they do not meet). The used range is read once, and only when an area is past the limit. A chart or a
// drawing selected fails with sheet::kSelectionIsNotCells.
WorkAreas AreasToWorkOn(const sheet::Application& app, const sheet::Range& selection);

// One rectangular area's part within the used range: the area itself within the limit, else its
// intersection with the used range, empty when they do not meet.
sheet::Range WithinUsedRangePastLimit(const sheet::Application& app, const sheet::Range& area, long rows, long columns);

}  // namespace blocks
