// The run of Merge Cell Text: the engine the option pages' Finish runs.
#pragma once

#include "tools/merge/MergeCommands.h"
#include "tools/run/ToolRun.h"
#include "tools/status/StatusLines.h"

namespace merge {

class MergeToolRun : public tools::ToolRun, public MergeCommands {
public:
    using ToolRun::ToolRun;

    MergeResult MergeSelection(const MergeRequest& request) override;
};

// What the run says after the tool's name: "250 rows merged", "3 columns joined", "2 areas merged into one cell
// each", "no rows merged".
std::wstring MergeOutcome(const MergeRequest& request, const MergeResult& result, const status::StatusLines& lines);

}  // namespace merge
