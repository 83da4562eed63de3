// The Remove Duplicates engine, written against the automation wrappers alone. It scans the rows of the
// working range's first area from the top in bands (one Range.Value per band and run of neighbouring ticked
// columns; for a range of one column, what the cells show), keys each row on its ticked columns in memory,
// leaves the first row of every key alone and acts on every later row with that key, in runs of neighbouring
// rows, many runs to a call. Past the size limit only the part inside the used range is scanned and acted
// on. It shows nothing and keeps no copy of what it changes.
#pragma once

#include <windows.h>

#include <vector>

#include "sheet/Application.h"
#include "tools/status/Progress.h"
#include "tools/duplicates/DupAction.h"

namespace duplicates {

// What a run did, for the user to be told.
struct DuplicatesResult {
    long rowsExamined = 0;
    long duplicatesFound = 0;
    long rowsActedOn = 0;  // selected, coloured or emptied
};

// keyColumns: ascending offsets from the working range's first column. colour: a COLORREF, for Color only.
// An automation failure ends the run at that call and propagates; rows acted on before it stay changed.
// Progress hears of every band of rows scanned; when it stops the run, the duplicates found so far are acted
// on (for Select, selected) and the rest is left alone.
DuplicatesResult RunRemoveDuplicates(const sheet::Application& app, const sheet::Range& workRange,
                                     const std::vector<UINT>& keyColumns, DupAction action, COLORREF color,
                                     status::Progress& progress = status::NoProgress());

}  // namespace duplicates
