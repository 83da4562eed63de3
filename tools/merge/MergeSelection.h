// The Merge Cell Text engine, written against the automation wrappers alone.
#pragma once

#include "sheet/Application.h"
#include "tools/merge/MergeRequest.h"
#include "tools/status/Progress.h"

namespace merge {

// The most cells one run takes: every count of a run (rows for progress, cells written) fits 32 bits, as
// Excel's own Range.Count does.
constexpr long long kMostCells = 2147483647;

// Joins the displayed texts of the selection, area by area in order (past the size limit, their parts within
// the used range), band by band within an area; an area of one cell is left alone. Shows nothing and leaves the
// application's settings alone. A selection of more than kMostCells cells to join is refused before anything changes. A
// failure propagates; what was written before it stays. Progress hears of the rows as bands are done and may stop the
// run after any of them.
MergeResult MergeSelection(const sheet::Application& app, const MergeRequest& request,
                           status::Progress& progress = status::NoProgress());

}  // namespace merge
