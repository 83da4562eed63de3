// One run of Merge Cell Text: what the option page asks for, and what the run did.
#pragma once

#include <string>

#include "tools/merge/MergeTarget.h"

namespace merge {

struct MergeRequest {
    MergeTarget target = MergeTarget::LeftCells;
    // Put between joined texts as it is: no trimming, no added spaces; a line break is a line feed.
    std::wstring separator;
    // One merged cell spans each row, column or area; the area is emptied first.
    bool mergeCells = true;
    // The area is emptied before the joined texts are written.
    bool clearSources = false;
};

// What a run changed, for the user to be told.
struct MergeResult {
    long areas = 0;         // areas of two cells or more that were worked on
    long groupsMerged = 0;  // rows, columns or areas merged into one cell
    long cellsWritten = 0;  // cells that got a joined text
};

}  // namespace merge
