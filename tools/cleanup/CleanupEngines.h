// The two text clean-up engines, written against the automation wrappers alone.
#pragma once

#include "sheet/Application.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/RemoveMode.h"
#include "tools/cleanup/WalkRangeText.h"
#include "tools/status/Progress.h"

namespace cleanup {

// Changes the case of every text cell of the selection, with calculation, screen updating and events
// switched off for the run. Failures propagate after the settings are put back. Gives the cells changed, and those kept
// as they were.
TextWalkResult RunChangeCase(const sheet::Application& app, CaseMode mode,
                             status::Progress& progress = status::NoProgress());

// Removes characters from every text cell of the selection; the application's settings are not touched.
// Gives the cells changed, and those kept as they were.
TextWalkResult RunRemoveCharacters(const sheet::Application& app, RemoveMode mode,
                                   status::Progress& progress = status::NoProgress());

}  // namespace cleanup
