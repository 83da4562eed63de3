#include "addin/commands/CommandRunner.h"

#include "addin/commands/RangePage.h"
#include "framework/Barrier.h"
#include "framework/Scoped.h"
#include "framework/Trace.h"
#include "sheet/AutomationError.h"

namespace {

constexpr short kInputBoxCellReference = 8;

// Excel's main window is the active window of the thread that calls the add-in.
HWND WizardOwner() { return GetActiveWindow(); }

}  // namespace

template <class Body>
bool CommandRunner::RunAlone(Body&& body) {
    if (m_running) {
        BringWizardToFront();
        return false;
    }
    if (m_app.IsEmpty()) return false;
    // The command keeps its owner and the module until it returns. Declared first, it is let go last.
    framework::ScopedReference keepAlive(m_owner);
    framework::ScopedValue<bool> running(m_running, true);
    // The last run's line gives way to what the user had as soon as the next command starts.
    m_resources.RestoreStatusBar();
    // An automation error outside the pages' own handling (the picker's InputBox or Select, say) stops the
    // command here and is shown; it never reaches Excel.
    framework::MessageBarrier(WizardOwner(), body);
    RefreshRibbon();
    return true;
}

bool CommandRunner::Run(const commands::Command& command) {
    const commands::Start& start = command.start;
    if (start.pages) return RunAlone([&] { RunWizard(command); });
    if (!start.action) return false;
    if (!start.alone) {
        start.action(Context());
        return false;
    }
    return RunAlone([&] { start.action(Context()); });
}

void CommandRunner::RefreshRibbon() const noexcept {
    if (m_ribbon.IsEmpty()) return;
    for (const commands::Command& command : commands::Table()) {
        if (!command.enabled) continue;
        try {
            m_ribbon.InvalidateControl(command.ribbon.id);
        } catch (...) {
            framework::TraceSwallowed(L"asking the ribbon for a button's state again");
        }
    }
}

void CommandRunner::RunWizard(const commands::Command& tool) {
    std::unique_ptr<tools::ToolRun> run = tool.start.run(Context());
    framework::ScopedValue<tools::ToolRun*> current(m_run, run.get());
    // A loop rather than nested wizards: each pick shows the same tool's wizard again.
    while (ShowWizard(tool, *run) == kPickRangeEndCode && !m_app.IsEmpty()) PickRange(*run);
}

void CommandRunner::Disconnect() noexcept {
    m_resources.Release();
    m_ribbon = sheet::RibbonUI();
    if (m_wizard) m_wizard->EndDialog(IDCANCEL);
    if (m_run) m_run->ReleaseExcel();
}

void CommandRunner::BringWizardToFront() const {
    HWND window = m_wizard ? m_wizard->GetSafeHwnd() : nullptr;
    if (!window) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

void CommandRunner::PickRange(tools::ToolRun& run) {
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
    range.Select();
    run.SetWorkRange(std::move(range));
}

INT_PTR CommandRunner::ShowWizard(const commands::Command& tool, tools::ToolRun& run) {
    // The pages outlive the sheet: it is declared after them.
    commands::WizardPages pages = tool.start.pages(run);
    framework::CPropertySheet sheet(std::wstring(), WizardOwner());
    for (auto& page : pages) sheet.AddPage(page.get());
    sheet.SetWizardMode();
    framework::ScopedValue<framework::CPropertySheet*> shown(m_wizard, &sheet);
    return sheet.DoModal();
}
