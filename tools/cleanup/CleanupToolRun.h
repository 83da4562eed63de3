// The run of Change Case or Remove Characters: the engine the options page's Finish runs.
#pragma once

#include "tools/cleanup/CleanupCommands.h"
#include "tools/run/ToolRun.h"

namespace cleanup {

class CleanupToolRun : public tools::ToolRun, public CleanupCommands {
public:
    using ToolRun::ToolRun;

    void RunChangeCase(CaseMode mode) override;
    void RunRemoveCharacters(RemoveMode mode) override;
};

}  // namespace cleanup
