#include "tools/cleanup/DlgChangeCase.h"

#include "res/resource.h"

CDlgChangeCase::CDlgChangeCase() : CCleanupOptionsPage(IDD_CHANGECASE) {}

void CDlgChangeCase::RunTool(int mode) { m_pAddin->RunChangeCase(mode); }
