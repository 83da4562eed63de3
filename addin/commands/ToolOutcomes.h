// What a tool's run says it did on Excel's status bar, after the tool's name.
#pragma once

#include <string>

#include "tools/duplicates/DupAction.h"
#include "tools/duplicates/RemoveDuplicates.h"
#include "tools/merge/MergeRequest.h"
#include "tools/status/StatusLines.h"

// "37 duplicate rows of 1,000 selected", "1 duplicate row of 20 coloured", "no duplicate rows in 1,000".
std::wstring DuplicatesOutcome(duplicates::DupAction action, const duplicates::DuplicatesResult& result,
                               const status::StatusLines& lines);
// "250 rows merged", "3 columns joined", "2 areas merged into one cell each", "no rows merged".
std::wstring MergeOutcome(const merge::MergeRequest& request, const merge::MergeResult& result,
                          const status::StatusLines& lines);
