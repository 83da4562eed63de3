#include "tools/cleanup/DlgChangeCase.h"

#include "res/resource.h"

CDlgChangeCase::CDlgChangeCase() : CCleanupOptionsPage(IDD_CHANGECASE) {}

void CDlgChangeCase::RunTool(int option) { m_pAddin->RunChangeCase(cleanup::kCaseModes[option]); }
