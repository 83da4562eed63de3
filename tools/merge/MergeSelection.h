// The Merge Cell Text engine, written against the automation wrappers alone.
#pragma once

#include "sheet/Application.h"
#include "tools/merge/MergeRequest.h"
#include "tools/status/Progress.h"

namespace merge {

// An area of more rows than this (whole columns, say) is worked on only where it meets the used range.
constexpr long kRowLimit = 1000;
// So is an area wider than a sheet of Excel 2000 (whole rows).
constexpr long kColumnLimit = 256;

// Joins the displayed texts of the selection, area by area in order, each read and written whole before the
// next is read; an area of one cell is left alone. Shows nothing and leaves the application's settings
// alone. A failure propagates; areas and cells changed before it stay changed. Progress hears of the rows as
// they are written, and may stop the run only between areas: once an area is emptied it is written whole.
MergeResult MergeSelection(const sheet::Application& app, const MergeRequest& request,
                           status::Progress& progress = status::NoProgress());

}  // namespace merge
