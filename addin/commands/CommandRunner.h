// The command runner: every command of the table starts here, whether the ribbon, a legacy menu's button or a
// test asks. A tool's wizard is built with its run, shown, and shown again after each pick of the range picker.
// One command at a time: while a wizard is open, another command brings it to the front.
#pragma once

#include <windows.h>

#include "addin/commands/Commands.h"
#include "framework/CmdTarget.h"
#include "framework/PropertySheet.h"
#include "sheet/Application.h"
#include "sheet/RibbonUI.h"
#include "tools/run/RunContext.h"
#include "tools/run/ToolRun.h"

class CommandRunner {
public:
    // The owner is kept alive while a command runs: Excel may disconnect and release it meanwhile. The
    // Application is the owner's connection to Excel, empty after disconnection.
    CommandRunner(framework::CCmdTarget& owner, const sheet::Application& app) noexcept
        : m_owner(owner), m_app(app) {}
    CommandRunner(const CommandRunner&) = delete;
    CommandRunner& operator=(const CommandRunner&) = delete;

    // A tool's wizard runs until it ends with Finish or Cancel; an automation error is shown to the user and
    // goes no further. True when the command took its turn (a tool's wizard or an action that runs alone): a
    // button's enabling may have changed, and the ribbon has been asked again for those that can change.
    bool Run(const commands::Command& command);
    // The ribbon's IRibbonUI, from its onLoad until disconnection.
    void RibbonLoaded(sheet::RibbonUI ribbon) noexcept { m_ribbon = std::move(ribbon); }
    // Excel's Application while connected; empty after disconnection.
    const sheet::Application& Application() const noexcept { return m_app; }
    // What every run is lent; also what a button's enabling is asked with.
    tools::RunContext Context() noexcept { return m_resources.Context(); }
    // Excel disconnects: the user's status bar comes back, an open wizard closes without another call to Excel,
    // and the run and what the runner keeps for runs let go of Excel's objects.
    void Disconnect() noexcept;

private:
    // One command at a time: while one runs, another only brings its wizard to the front. The body runs behind
    // the message barrier with the owner kept alive, and the ribbon is asked again for the buttons whose enabling
    // can change. False when it did not run.
    template <class Body>
    bool RunAlone(Body&& body);
    void RunWizard(const commands::Command& tool);
    INT_PTR ShowWizard(const commands::Command& tool, tools::ToolRun& run);
    void BringWizardToFront() const;
    // Asks Excel for a new range, makes it the run's working range and selects it; Cancel leaves the selection
    // as it was.
    void PickRange(tools::ToolRun& run);
    // Excel's refusal leaves a button as it was; the command itself checks again when it runs.
    void RefreshRibbon() const noexcept;

    framework::CCmdTarget& m_owner;
    const sheet::Application& m_app;
    // What the runs show on Excel's status bar and what the user had there, and the last run's record.
    tools::RunResources m_resources{m_app};
    sheet::RibbonUI m_ribbon;
    bool m_running = false;
    tools::ToolRun* m_run = nullptr;                // the tool's run, while its wizard is open
    framework::CPropertySheet* m_wizard = nullptr;  // the wizard on screen, while there is one
};
