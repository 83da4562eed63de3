#include "tools/cleanup/DlgChangeCase.h"

#include "res/resource.h"

CDlgChangeCase::CDlgChangeCase(cleanup::CleanupCommands& commands) : CCleanupOptionsPage(IDD_CHANGECASE, commands) {}

void CDlgChangeCase::RunTool(int option) { m_commands.RunChangeCase(cleanup::kCaseModes[option]); }
