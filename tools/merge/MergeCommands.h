// What the merge pages need from the add-in: the engine their Finish runs. The command's run implements it, so
// the pages never reach up into the add-in itself.
#pragma once

#include "tools/merge/MergeRequest.h"

namespace merge {

class MergeCommands {
public:
    // Runs one merge over Excel's current selection.
    virtual MergeResult MergeSelection(const MergeRequest& request) = 0;

protected:
    ~MergeCommands() = default;
};

}  // namespace merge
