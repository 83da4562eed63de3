// The options page both clean-up tools share: five radios (2021 to 2025, the tool's rules in the order of
// kCaseModes or kRemoveModes), the first checked when the page is made, Back and Finish, and Finish runs the
// tool with the checked rule.
#pragma once

#include "framework/PropertyPage.h"
#include "tools/cleanup/CleanupCommands.h"

class CCleanupOptionsPage : public framework::CPropertyPage {
public:
    // The position of the first checked radio in id order (0 to 4), or -1 when none is checked.
    int CheckedOption() const;

protected:
    CCleanupOptionsPage(UINT templateId, cleanup::CleanupCommands& commands)
        : CPropertyPage(templateId), m_commands(commands) {}

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // A failure propagates: the framework shows Excel's description and the wizard stays open.
    BOOL OnWizardFinish() override;

    // Runs the tool with the rule at this position of the page's list.
    virtual void RunTool(int option) = 0;

    cleanup::CleanupCommands& m_commands;  // the tool's run, which outlives its wizard
};
