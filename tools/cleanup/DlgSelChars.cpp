#include "tools/cleanup/DlgSelChars.h"

#include "res/resource.h"

CDlgSelChars::CDlgSelChars(cleanup::CleanupCommands& commands) : CCleanupOptionsPage(IDD_SELCHARS, commands) {}

void CDlgSelChars::RunTool(int option) { m_commands.RunRemoveCharacters(cleanup::kRemoveModes[option]); }
