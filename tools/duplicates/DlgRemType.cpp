#include "tools/duplicates/DlgRemType.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

using duplicates::DupAction;

CDlgRemType::CDlgRemType(duplicates::DuplicatesCommands& commands)
    : CPropertyPage(IDD_DUP_ACTION), m_commands(commands) {
    MapClick(IDC_ACTION_SELECT, &CDlgRemType::OnActionNoColor);
    MapClick(IDC_ACTION_COLOR, &CDlgRemType::OnActionColor);
    MapClick(IDC_ACTION_DELETE, &CDlgRemType::OnActionNoColor);
}

void CDlgRemType::DoDataExchange(framework::CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    framework::DDX_Control(pDX, IDC_COLOR_LIST, m_colorPicker);
}

BOOL CDlgRemType::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    CheckRadioButton(IDC_ACTION_SELECT, IDC_ACTION_DELETE, IDC_ACTION_SELECT);
    m_colorPicker.FillColors();
    m_colorPicker.SetCurSel(0);
    m_colorPicker.EnableWindow(false);
    return TRUE;
}

BOOL CDlgRemType::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    CPropertyPage::OnSetActive();
    return TRUE;
}

void CDlgRemType::OnActionNoColor() { m_colorPicker.EnableWindow(false); }

void CDlgRemType::OnActionColor() { m_colorPicker.EnableWindow(true); }

BOOL CDlgRemType::OnWizardFinish() {
    if (IsDlgButtonChecked(IDC_ACTION_SELECT) == BST_CHECKED)
        m_commands.RunRemoveDuplicates(DupAction::Select, 0);
    else if (IsDlgButtonChecked(IDC_ACTION_COLOR) == BST_CHECKED)
        m_commands.RunRemoveDuplicates(DupAction::Color, m_colorPicker.GetSelectedColor());
    else if (IsDlgButtonChecked(IDC_ACTION_DELETE) == BST_CHECKED)
        m_commands.RunRemoveDuplicates(DupAction::Delete, 0);
    return CPropertyPage::OnWizardFinish();
}
