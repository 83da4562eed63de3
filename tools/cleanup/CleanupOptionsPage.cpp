#include "tools/cleanup/CleanupOptionsPage.h"

#include "res/resource.h"

int CCleanupOptionsPage::CheckedOption() const {
    for (int id = IDC_OPTION_1; id <= IDC_OPTION_5; ++id)
        if (IsDlgButtonChecked(id) == BST_CHECKED) return id - IDC_OPTION_1;
    return -1;
}

BOOL CCleanupOptionsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    CheckRadioButton(IDC_OPTION_1, IDC_OPTION_5, IDC_OPTION_1);
    return TRUE;
}

BOOL CCleanupOptionsPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}

BOOL CCleanupOptionsPage::OnWizardFinish() {
    int option = CheckedOption();
    if (option >= 0) RunTool(option);
    return CPropertyPage::OnWizardFinish();
}
