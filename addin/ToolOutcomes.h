// What a tool's run says it did on Excel's status bar, after the tool's name.
#pragma once

#include <string>

#include "tools/merge/MergeRequest.h"
#include "tools/status/StatusLines.h"

// "250 rows merged", "3 columns joined", "2 areas merged into one cell each", "no rows merged".
std::wstring MergeOutcome(const merge::MergeRequest& request, const merge::MergeResult& result,
                          const status::StatusLines& lines);
