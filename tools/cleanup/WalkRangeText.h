// The range text walk that both text clean-up tools run over the selection: the same block road at every
// size. Each block of an area is read with one Range.Value, its texts are rewritten in memory, and only the
// cells whose text changes are written back, one put per rectangle of them; where formulas are is asked only
// of a block with changes. Past the size limit only the part of an area inside the used range is walked.
#pragma once

#include <functional>
#include <string>

#include "sheet/Application.h"
#include "tools/common/BlockRect.h"
#include "tools/status/Progress.h"

namespace cleanup {

// Rewrites one cell's text in place.
using TextTransform = std::function<void(std::wstring&)>;

// What a walk does with Excel's calculation, screen updating and events.
enum class ExcelUpdates {
    LeftAlone,           // the walk does not touch them
    SuspendedForTheRun,  // switched off for the run and put back exactly as they were
};

struct TextWalkResult {
    long changed = 0;
    // Changed texts that could not be written back as texts within a cell's limit: their cells stay as they were.
    long keptTooLong = 0;
};

// Applies the transform to every text cell of the selection that holds no formula, area by area, and writes
// back only what changed, a changed text that Excel could read as something else with an apostrophe before
// it (TypedTextWithinLimit). Numbers, dates, booleans, error values, blank cells and texts with a NUL inside are left
// alone. Progress hears of every band of rows and may stop the walk there. Failures stop the walk and propagate after
// the settings are put back.
TextWalkResult WalkRangeText(const sheet::Application& app, const TextTransform& transform, ExcelUpdates updates,
                             blocks::BlockCaps caps = {}, status::Progress& progress = status::NoProgress());

}  // namespace cleanup
