// What a command's button asks of the add-in object, so that the menus never reach up into it.
#pragma once

#include "addin/commands/Commands.h"
#include "sheet/Application.h"

class CommandHost {
public:
    // Runs a command of the table; one command at a time.
    virtual void RunCommand(const commands::Command& command) = 0;
    // Excel's Application while connected; empty after disconnection.
    virtual sheet::Application Application() const = 0;

protected:
    ~CommandHost() = default;
};
