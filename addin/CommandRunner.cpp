// The command runner: every command of the table starts here, a tool's wizard is built, shown and restarted.
#include "addin/commands/CommandRun.h"
#include "addin/commands/RangePage.h"
#include "addin/MyAddin.h"
#include "framework/Barrier.h"
#include "framework/PropertySheet.h"
#include "sheet/AutomationError.h"
#include "tools/undo/UndoCommand.h"

namespace {

constexpr short kInputBoxCellReference = 8;

}  // namespace

void CMyAddin::RunTool(long tool) {
    if (const commands::Command* command = commands::ToolNumbered(tool)) RunCommand(*command);
}

void CMyAddin::RunCommand(const commands::Command& command) {
    if (command.start.wizard) {
        RunWizard(command);
    } else if (command.start.undoesLastRun) {
        RunUndo();
    } else if (command.start.action) {
        command.start.action();
    }
}

template <class Body>
void CMyAddin::RunAlone(Body&& body) {
    if (m_commandRunning) {
        BringWizardToFront();
        return;
    }
    if (!IsConnected()) return;
    // Excel may disconnect and release the add-in while the command runs; the command keeps the object and
    // the module until it returns. Declared first, it is let go last.
    framework::ScopedReference keepAlive(*this);
    m_commandRunning = true;
    // The last run's line gives way to what the user had as soon as the next command starts.
    m_statusBar.RestoreNow();
    // An automation error outside the pages' own handling (the picker's InputBox or Select, say) stops the
    // command here and is shown; it never reaches Excel.
    framework::MessageBarrier(WizardOwner(), body);
    m_commandRunning = false;
    RefreshUndoButton();
}

void CMyAddin::RunWizard(const commands::Command& tool) {
    RunAlone([&] {
        CCommandRun run(m_app, m_statusBar, m_lastRun);
        // The run is reachable only while it lives, also when a failure ends it.
        struct Forget {
            CCommandRun*& run;
            ~Forget() { run = nullptr; }
        } forget{m_run = &run};
        // A loop rather than nested wizards: each pick shows the same tool's wizard again.
        while (ShowWizard(tool, run) == kPickRangeEndCode && IsConnected()) PickRange(run);
    });
}

void CMyAddin::RunUndo() {
    RunAlone([&] {
        sheet::Application app = m_app;
        undo::RunUndoLastRun(app, m_statusBar, m_lastRun);
    });
}

void CMyAddin::BringWizardToFront() const {
    HWND window = m_wizard ? m_wizard->GetSafeHwnd() : nullptr;
    if (!window) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

void CMyAddin::PickRange(CCommandRun& run) {
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

INT_PTR CMyAddin::ShowWizard(const commands::Command& tool, CCommandRun& run) {
    // The pages outlive the sheet: it is declared after them.
    commands::WizardPages pages = tool.start.wizard(run);
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
