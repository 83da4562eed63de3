// What the clean-up pages need from the add-in: the engines their Finish runs. The command's run implements
// it, so the pages never reach up into the add-in itself.
#pragma once

#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/RemoveMode.h"

namespace cleanup {

class CleanupCommands {
public:
    virtual void RunChangeCase(CaseMode mode) = 0;
    virtual void RunRemoveCharacters(RemoveMode mode) = 0;

protected:
    ~CleanupCommands() = default;
};

}  // namespace cleanup
