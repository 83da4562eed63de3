#include "addin/commands/RangePage.h"

#include "addin/commands/CommandRun.h"
#include "framework/Barrier.h"
#include "framework/DataExchange.h"
#include "framework/Dpi.h"
#include "framework/ScaledPictures.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "sheet/AutomationError.h"

CRangePage::CRangePage(UINT templateId, CCommandRun* run) : CPropertyPage(templateId), m_pRun(run) {
    MapClick(IDC_RANGE_PICKER, &CRangePage::OnPickRange);
}

void CRangePage::DoDataExchange(framework::CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    framework::DDX_Control(pDX, IDC_RANGE_ADDRESS, m_edit);
    framework::DDX_Control(pDX, IDC_RANGE_PICKER, m_button);
}

BOOL CRangePage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    // The face drawn for the page's display scale that fits inside the button's edges, so that it is neither
    // blurred nor lost in a larger button.
    RECT face{};
    ::GetClientRect(m_button.GetSafeHwnd(), &face);
    const UINT dpi = framework::DpiOfWindow(GetSafeHwnd());
    const int edges = 2 * framework::ScaleToDpi(2, dpi);
    m_bitmap = framework::LoadBitmapToFit(IDB_RANGE_PICKER, dpi, SIZE{face.right - edges, face.bottom - edges});
    if (m_bitmap.GetSafeHandle()) m_button.SetBitmap(m_bitmap.GetSafeHandle());
    return TRUE;
}

BOOL CRangePage::OnSetActive() {
    SetWizardButtons(PSWIZB_NEXT);
    std::wstring address;
    try {
        address = TakeSelection().Address();
    } catch (const sheet::CAutomationError&) {
        // A chart or a drawing is selected: no address to show; the picker can choose cells.
    }
    m_edit.SetText(address);
    return CPropertyPage::OnSetActive();
}

void CRangePage::OnPickRange() {
    if (framework::CPropertySheet* sheet = GetParentSheet()) sheet->EndDialog(kPickRangeEndCode);
}

CDlgSelect::CDlgSelect(CCommandRun* run) : CRangePage(IDD_SELECT, run) {}

sheet::Range CDlgSelect::TakeSelection() {
    // A selection Excel fails to give leaves no working range, never the last command's, and is told here:
    // the next page has nothing to list.
    m_pRun->SetWorkRange(sheet::Range());
    sheet::Range selection;
    try {
        selection = m_pRun->Selection();
    } catch (...) {
        framework::ReportException(GetSafeHwnd(), std::current_exception());
        return selection;
    }
    m_pRun->SetWorkRange(selection);
    return selection;
}

CDlgSelectN::CDlgSelectN(CCommandRun* run) : CRangePage(IDD_SELECT_N, run) {}

sheet::Range CDlgSelectN::TakeSelection() { return m_pRun->Selection(); }
