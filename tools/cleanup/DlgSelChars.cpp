#include "tools/cleanup/DlgSelChars.h"

#include "res/resource.h"

CDlgSelChars::CDlgSelChars() : CCleanupOptionsPage(IDD_SELCHARS) {}

void CDlgSelChars::RunTool(int mode) { m_pAddin->RunRemoveCharacters(mode); }
