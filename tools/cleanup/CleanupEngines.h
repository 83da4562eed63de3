// The two text clean-up engines, written against the automation wrappers alone.
#pragma once

#include "sheet/Application.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/RemoveMode.h"

namespace cleanup {

// Changes the case of every text cell of the selection, with calculation, screen updating and events
// switched off for the run. Failures propagate after the settings are put back.
void RunChangeCase(const sheet::Application& app, CaseMode mode);

// Removes characters from every text cell of the selection; the application's settings are not touched.
void RunRemoveCharacters(const sheet::Application& app, RemoveMode mode);

}  // namespace cleanup
