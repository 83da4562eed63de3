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
#include "tools/duplicates/DlgColumns.h"
#include "tools/duplicates/DlgRemType.h"
#include "tools/merge/DlgSelMerge.h"

namespace {

constexpr short kInputBoxCellReference = 8;

template <class Page>
std::unique_ptr<framework::CPropertyPage> MakePage(CMyAddin* addin) {
    auto page = std::make_unique<Page>();
    page->m_pAddin = addin;
    return page;
}

}  // namespace

void CMyAddin::RunTool(long tool) {
    switch (static_cast<Tool>(tool)) {
    case Tool::RemoveDuplicates:
    case Tool::RemoveCharacters:
    case Tool::ChangeCase:
    case Tool::MergeCellText: RunCommand(static_cast<Tool>(tool)); break;
    default: break;
    }
}

void CMyAddin::StartRemoveDuplicates() { RunCommand(Tool::RemoveDuplicates); }
void CMyAddin::StartRemoveCharacters() { RunCommand(Tool::RemoveCharacters); }
void CMyAddin::StartChangeCase() { RunCommand(Tool::ChangeCase); }
void CMyAddin::StartMergeCellText() { RunCommand(Tool::MergeCellText); }

sheet::Range CMyAddin::Selection() const { return m_app.Selection(); }

void CMyAddin::SetWorkRange(sheet::Range range) { m_workRange = std::move(range); }

void CMyAddin::RunCommand(Tool tool) {
    if (m_commandRunning) {
        BringWizardToFront();
        return;
    }
    if (!IsConnected()) return;
    // Excel may disconnect and release the add-in while the wizard is open; the command keeps the object and
    // the module until it returns. Declared first, it is let go last.
    framework::ScopedReference keepAlive(*this);
    m_commandRunning = true;
    // The last run's line gives way to what the user had as soon as the next command starts.
    m_statusBar.RestoreNow();
    // An automation error outside the pages' own handling (the picker's InputBox or Select, say) stops the
    // command here and is shown; it never reaches Excel.
    framework::MessageBarrier(WizardOwner(), [&] {
        // A loop rather than nested wizards: each pick shows the same tool's wizard again.
        while (ShowWizard(tool) == kPickRangeEndCode && IsConnected()) PickRange();
    });
    m_commandRunning = false;
}

void CMyAddin::BringWizardToFront() const {
    HWND window = m_wizard ? m_wizard->GetSafeHwnd() : nullptr;
    if (!window) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

void CMyAddin::PickRange() {
    std::wstring address;
    try {
        address = m_app.Selection().Address();
    } catch (const sheet::CAutomationError&) {
        // Not a range of cells: the InputBox starts empty.
    }
    sheet::Variant picked = m_app.InputBox(L"Please select a contegious range of cells and at least 2 rows.",
                                           L"Select data", address, kInputBoxCellReference);
    // Cancel answers the boolean False; OK answers the picked Range.
    if (picked.type() == VT_BOOL) return;
    sheet::Range range = sheet::DispatchWrapper::ObjectOf<sheet::Range>(std::move(picked));
    if (range.IsEmpty()) return;
    m_workRange = std::move(range);
    m_workRange.Select();
}

INT_PTR CMyAddin::ShowWizard(Tool tool) {
    // The pages outlive the sheet: it is declared after them.
    std::vector<std::unique_ptr<framework::CPropertyPage>> pages;
    switch (tool) {
    case Tool::RemoveDuplicates:
        pages.push_back(std::make_unique<CDlgSelect>(this));
        pages.push_back(MakePage<CDlgColumns>(this));
        pages.push_back(MakePage<CDlgRemType>(this));
        break;
    case Tool::RemoveCharacters:
        pages.push_back(std::make_unique<CDlgSelectN>(this));
        pages.push_back(MakePage<CDlgSelChars>(this));
        break;
    case Tool::ChangeCase:
        pages.push_back(std::make_unique<CDlgSelectN>(this));
        pages.push_back(MakePage<CDlgChangeCase>(this));
        break;
    case Tool::MergeCellText:
        // The mode page owns the option pages and puts the chosen one third on Next.
        pages.push_back(std::make_unique<CDlgSelectN>(this));
        pages.push_back(MakePage<CDlgSelMerge>(this));
        break;
    }
    framework::CPropertySheet sheet(std::wstring(), WizardOwner());
    for (auto& page : pages) sheet.AddPage(page.get());
    sheet.SetWizardMode();
    m_wizard = &sheet;
    struct ClearOnReturn {
        framework::CPropertySheet*& slot;
        ~ClearOnReturn() { slot = nullptr; }
    } clear{m_wizard};
    return sheet.DoModal();
}

HWND CMyAddin::WizardOwner() const {
    // Excel's main window is the active window of the thread that calls the add-in.
    return GetActiveWindow();
}
