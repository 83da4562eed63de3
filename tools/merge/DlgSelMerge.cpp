#include "tools/merge/DlgSelMerge.h"

#include "framework/PropertySheet.h"
#include "res/resource.h"

namespace {

// The range page, this page, and the option page.
constexpr int kOptionPageIndex = 2;

}  // namespace

CDlgSelMerge::CDlgSelMerge() : CPropertyPage(IDD_SELECT_MERGE) {}

BOOL CDlgSelMerge::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_pictures.Apply(GetSafeHwnd());
    CheckRadioButton(IDC_OPTION_1, IDC_OPTION_3, IDC_OPTION_1);
    m_pageInOneCell.m_pAddin = m_pAddin;
    m_pageByColumn.m_pAddin = m_pAddin;
    m_pageByRow.m_pAddin = m_pAddin;
    return TRUE;
}

BOOL CDlgSelMerge::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CDlgSelMerge::OnWizardNext() {
    framework::CPropertySheet* sheet = GetParentSheet();
    CMergeOptionsPage* page = ChosenPage();
    if (!sheet || !page) return -1;
    // The page of an earlier pass goes with its window; added again, a page starts afresh.
    if (sheet->GetPageCount() > kOptionPageIndex) sheet->RemovePage(kOptionPageIndex);
    if (!sheet->AddPage(page)) return -1;
    return 0;
}

CMergeOptionsPage* CDlgSelMerge::ChosenPage() {
    if (IsDlgButtonChecked(IDC_OPTION_1) == BST_CHECKED) return &m_pageByRow;
    if (IsDlgButtonChecked(IDC_OPTION_2) == BST_CHECKED) return &m_pageByColumn;
    if (IsDlgButtonChecked(IDC_OPTION_3) == BST_CHECKED) return &m_pageInOneCell;
    return nullptr;
}
