#include "tools/merge/MergeOptionsPage.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "ui/SeparatorToken.h"

namespace {

// What Finish reads of the separator; the edit takes no more, so nothing typed is dropped unseen.
constexpr int kSeparatorLimit = 1023;

}  // namespace

CMergeOptionsPage::CMergeOptionsPage(UINT templateId, merge::MergeCommands& commands,
                                     std::vector<merge::MergeTarget> placements)
    : CPropertyPage(templateId), m_commands(commands), m_placements(std::move(placements)) {
    MapClick(IDC_MERGE_TARGETS, &CMergeOptionsPage::OnMergeCellsClicked);
    MapClick(IDC_ADD_NEW_LINE, &CMergeOptionsPage::OnAddNewLine);
}

merge::MergeRequest CMergeOptionsPage::Request() const {
    merge::MergeRequest request;
    request.mergeCells = IsDlgButtonChecked(IDC_MERGE_TARGETS) == BST_CHECKED;
    // While merging, the box is disabled and counts for nothing: merging empties the area anyway.
    request.clearSources = ::IsWindowEnabled(GetDlgItem(IDC_CLEAR_SOURCES)) != FALSE &&
                           IsDlgButtonChecked(IDC_CLEAR_SOURCES) == BST_CHECKED;
    std::wstring typed = m_separator.GetText();
    if (typed.size() > static_cast<size_t>(kSeparatorLimit)) typed.resize(kSeparatorLimit);
    request.separator = ui::NewLinesFromTokens(typed);
    request.target = m_placements.front();
    for (size_t i = 0; i < m_placements.size(); ++i) {
        if (IsDlgButtonChecked(IDC_OPTION_1 + static_cast<int>(i)) == BST_CHECKED) {
            request.target = m_placements[i];
            break;
        }
    }
    return request;
}

void CMergeOptionsPage::DoDataExchange(framework::CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    framework::DDX_Control(pDX, IDC_SEPARATOR, m_separator);
}

BOOL CMergeOptionsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_separator.LimitText(kSeparatorLimit);
    // A page shown again has a new, empty edit.
    m_separator.lastText = m_separator.GetText();
    CheckDlgButton(IDC_MERGE_TARGETS, BST_CHECKED);
    EnableDlgItem(IDC_CLEAR_SOURCES, false);
    CheckRadioButton(IDC_OPTION_1, IDC_OPTION_1 + static_cast<int>(m_placements.size()) - 1, IDC_OPTION_1);
    return TRUE;
}

BOOL CMergeOptionsPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}

BOOL CMergeOptionsPage::OnWizardFinish() {
    bool placed = false;
    for (size_t i = 0; i < m_placements.size(); ++i)
        placed = placed || IsDlgButtonChecked(IDC_OPTION_1 + static_cast<int>(i)) == BST_CHECKED;
    if (placed) m_commands.MergeSelection(Request());
    return CPropertyPage::OnWizardFinish();
}

void CMergeOptionsPage::OnMergeCellsClicked() {
    if (IsDlgButtonChecked(IDC_MERGE_TARGETS) == BST_CHECKED) {
        EnableDlgItem(IDC_CLEAR_SOURCES, false);
        return;
    }
    EnableDlgItem(IDC_CLEAR_SOURCES, true);
    CheckDlgButton(IDC_CLEAR_SOURCES, BST_CHECKED);
}

void CMergeOptionsPage::OnAddNewLine() {
    m_separator.SetFocus();
    m_separator.InsertToken(std::wstring(ui::kNewLineToken));
}
