#include "tools/duplicates/DlgColumns.h"

#include "framework/ShowMessage.h"
#include "res/resource.h"

namespace {

const wchar_t kUncheckAll[] = L"Uncheck All";
const wchar_t kCheckAll[] = L"Check All";
constexpr int kListColumnWidth = 222;

}  // namespace

CDlgColumns::CDlgColumns(duplicates::DuplicatesCommands& commands)
    : CPropertyPage(IDD_DUP_COLUMNS), m_commands(commands) {
    MapClick(IDC_CHECK_ALL, &CDlgColumns::OnToggleCheckAll);
}

void CDlgColumns::DoDataExchange(framework::CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    framework::DDX_Control(pDX, IDC_COLUMN_LIST, m_list);
}

BOOL CDlgColumns::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    m_list.InsertColumn(0, L"Columns", LVCFMT_LEFT, kListColumnWidth);
    m_list.InsertColumn(1, L"First Row's Text", LVCFMT_LEFT, kListColumnWidth);
    m_initialized = true;
    try {
        FillColumnList();
    } catch (...) {
        // Half a list would let the user key on columns that were never shown: none are offered.
        m_list.DeleteAllItems();
        throw;
    }
    return TRUE;
}

void CDlgColumns::FillColumnList() {
    if (!m_initialized) return;
    m_list.DeleteAllItems();
    std::vector<duplicates::ColumnHeading> headings = m_commands.KeyColumnChoices();
    for (size_t k = 0; k < headings.size(); ++k) {
        int item = m_list.InsertItem(static_cast<int>(k), headings[k].letters);
        m_list.SetItemText(item, 1, headings[k].firstRowText);
        m_list.SetCheck(item, true);
    }
}

BOOL CDlgColumns::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    CPropertyPage::OnSetActive();
    return TRUE;
}

void CDlgColumns::OnToggleCheckAll() {
    bool uncheck = GetDlgItemText(IDC_CHECK_ALL) == kUncheckAll;
    SetDlgItemText(IDC_CHECK_ALL, uncheck ? kCheckAll : kUncheckAll);
    CheckAll(!uncheck);
}

void CDlgColumns::CheckAll(bool checked) {
    for (int i = 0, count = m_list.GetItemCount(); i < count; ++i) m_list.SetCheck(i, checked);
}

LRESULT CDlgColumns::OnWizardNext() {
    std::vector<UINT> offsets;
    for (int i = 0, count = m_list.GetItemCount(); i < count; ++i) {
        // Anything but the unchecked image counts as ticked.
        if ((m_list.GetItemState(i, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12 != 1)
            offsets.push_back(static_cast<UINT>(i));
    }
    if (offsets.empty()) {
        framework::ShowMessage(GetSafeHwnd(), L"Select at least one column !", MB_OK);
        return -1;
    }
    m_commands.SetKeyColumns(std::move(offsets));
    return CPropertyPage::OnWizardNext();
}
