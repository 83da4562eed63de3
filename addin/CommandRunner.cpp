// The command runner: every tool's wizard is built, shown and restarted here.
#include <memory>
#include <vector>

#include "addin/MyAddin.h"
#include "addin/RangePage.h"
#include "framework/Barrier.h"
#include "framework/PropertySheet.h"
#include "sheet/AutomationError.h"
#include "tools/cleanup/DlgChangeCase.h"
#include "tools/cleanup/DlgSelChars.h"

namespace {

constexpr short kInputBoxCellReference = 8;

template <class Page>
std::unique_ptr<framework::CPropertyPage> MakePage(CMyAddin* addin) {
    auto page = std::make_unique<Page>();
    page->m_pAddin = addin;
    return page;
}

}  // namespace

void CMyAddin::RunTool(int tool) {
    switch (tool) {
    case kRemoveDuplicates: StartRemoveDuplicates(); break;
    case kRemoveCharacters: StartRemoveCharacters(); break;
    case kChangeCase: StartChangeCase(); break;
    case kMergeCellText: StartMergeCellText(); break;
    default: break;
    }
}

void CMyAddin::StartRemoveDuplicates() { StartTool(kRemoveDuplicates); }
void CMyAddin::StartRemoveCharacters() { StartTool(kRemoveCharacters); }
void CMyAddin::StartChangeCase() { StartTool(kChangeCase); }
void CMyAddin::StartMergeCellText() { StartTool(kMergeCellText); }

void CMyAddin::StartTool(int tool) {
    // The last run's line gives way to what the user had as soon as the next command starts.
    m_statusBar.RestoreNow();
    // An automation error outside the pages' own handling (the picker's InputBox or Select, say) stops the
    // command here and is shown; it never reaches Excel.
    framework::MessageBarrier(WizardOwner(), [&] {
        INT_PTR end = ShowWizard(tool);
        // A loop rather than nested wizards: each pick shows the same tool's wizard again.
        while (end == kPickRangeEndCode) end = PickRangeAndRestart(tool);
    });
}

INT_PTR CMyAddin::PickRangeAndRestart(int tool) {
    std::wstring address;
    try {
        address = m_app.Selection().Address();
    } catch (const sheet::CAutomationError&) {
        // Not a range of cells: the InputBox starts empty.
    }
    sheet::Variant picked = m_app.InputBox(L"Please select a contegious range of cells and at least 2 rows.",
                                           L"Select data", address, kInputBoxCellReference);
    // Cancel answers the boolean False; OK answers the picked Range.
    if (picked.type() != VT_BOOL) {
        sheet::Range range = sheet::DispatchWrapper::ObjectOf<sheet::Range>(std::move(picked));
        if (!range.IsEmpty()) {
            m_workRange = std::move(range);
            m_workRange.Select();
        }
    }
    return ShowWizard(tool);
}

INT_PTR CMyAddin::ShowWizard(int tool) {
    // The pages outlive the sheet: it is declared after them.
    std::vector<std::unique_ptr<framework::CPropertyPage>> pages;
    switch (tool) {
    case kRemoveDuplicates:
        pages.push_back(std::make_unique<CDlgSelect>(this));
        break;
    case kRemoveCharacters:
        pages.push_back(std::make_unique<CDlgSelectN>(this));
        pages.push_back(MakePage<CDlgSelChars>(this));
        break;
    case kChangeCase:
        pages.push_back(std::make_unique<CDlgSelectN>(this));
        pages.push_back(MakePage<CDlgChangeCase>(this));
        break;
    case kMergeCellText:
        pages.push_back(std::make_unique<CDlgSelectN>(this));
        break;
    default:
        return IDCANCEL;
    }
    framework::CPropertySheet sheet(std::wstring(), WizardOwner());
    for (auto& page : pages) sheet.AddPage(page.get());
    sheet.SetWizardMode();
    return sheet.DoModal();
}

HWND CMyAddin::WizardOwner() const {
    // Excel's main window is the active window of the thread that calls the add-in.
    return GetActiveWindow();
}
