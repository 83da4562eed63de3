#include "tools/cleanup/DlgSelChars.h"

#include "res/resource.h"

CDlgSelChars::CDlgSelChars() : CCleanupOptionsPage(IDD_SELCHARS) {}

void CDlgSelChars::RunTool(int option) { m_pAddin->RunRemoveCharacters(cleanup::kRemoveModes[option]); }
