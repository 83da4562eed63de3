// Joins the texts of one area and writes them back where the request says.
#pragma once

#include <functional>

#include "sheet/Range.h"
#include "tools/merge/MergeRequest.h"
#include "tools/merge/TextGrid.h"

namespace merge {

// Excel keeps at most this many characters in a cell.
constexpr size_t kCellTextLimit = 32767;

// area: one rectangular area of two cells or more; texts: its displayed texts. A joined text too long for a
// cell stops the area before anything in it changes; any other failure propagates from the call that met
// it, and what was written before stays. rowDone hears of each row of the area as a row-by-row merge
// finishes it.
void MergeArea(const sheet::Range& area, const TextGrid& texts, const MergeRequest& request, MergeResult& result,
               const std::function<void(long row)>& rowDone = {});

}  // namespace merge
