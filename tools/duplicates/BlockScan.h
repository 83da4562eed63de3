// Past the row limit: the part of the working range's first area inside the used range, read in blocks of
// rows with the tools' shared block reader (one Range.Value get per block and run of neighbouring ticked
// columns), keyed and hashed in memory, and acted on in runs of neighbouring duplicate rows. The key rules
// are those of the row-by-row scan.
#pragma once

#include <windows.h>

#include <vector>

#include "sheet/Application.h"
#include "tools/duplicates/DupAction.h"
#include "tools/duplicates/RemoveDuplicates.h"

namespace duplicates {

DuplicatesResult ScanInBlocks(const sheet::Application& app, const sheet::Range& workRange,
                              const std::vector<UINT>& keyColumns, DupAction action, COLORREF color,
                              status::Progress& progress);

}  // namespace duplicates
