// Whether the legacy menu's entries and toolbar buttons are enabled: each command of the table that says so
// (Undo Last Run while there is a run to undo) is asked after the menu's build and after every command it ran.
#pragma once

#include "addin/commands/CommandRunner.h"

// Enables or disables the entries and buttons of the commands whose enabling can change; a menu Excel will not
// change keeps its state, and the command itself still checks when it runs.
void RefreshLegacyEnabling(CommandRunner& runner) noexcept;
