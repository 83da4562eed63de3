// What the clean-up pages need from the add-in: the engines their Finish runs. The add-in implements it,
// so the pages never reach up into the add-in itself.
#pragma once

namespace cleanup {

class CleanupCommands {
public:
    virtual void RunChangeCase(int mode) = 0;
    virtual void RunRemoveCharacters(int mode) = 0;

protected:
    ~CleanupCommands() = default;
};

}  // namespace cleanup
