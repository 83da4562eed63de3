// The legacy command-bar menu of Excel 2000 to 2003, made from the table of commands: the family popup with
// this add-in's submenu, the floating toolbar, and the Click handlers connected to their buttons. Menu and
// toolbar outlast Excel's run; a later start finds them and only connects the handlers again.
#pragma once

#include "addin/legacymenu/ButtonFace.h"
#include "addin/legacymenu/ButtonHandlerSet.h"
#include "sheet/Application.h"

// Builds the menu and toolbar or finds them again, and connects the handlers. Excel's refusal is thrown, and
// the menu stays as far as it got; the user's clipboard comes back regardless.
void BuildLegacyMenu(const sheet::Application& app, const CButtonHandlerSet& handlers, FaceRoad faceRoad);

// Enables or disables a command's entry in the submenu and its toolbar button, where they are; Excel's
// refusal is thrown.
void EnableLegacyCommand(const sheet::Application& app, const commands::Command& command, bool enabled);
