// The options page both clean-up tools share: five radios (2021 to 2025, the tool's rules in the order of
// kCaseModes or kRemoveModes), the first checked when the page is made, Back and Finish, and Finish runs the
// tool with the checked rule.
#pragma once

#include "framework/PropertyPage.h"
#include "tools/cleanup/CleanupCommands.h"

class CCleanupOptionsPage : public framework::CPropertyPage {
public:
    cleanup::CleanupCommands* m_pAddin = nullptr;  // not owned; set before the wizard shows

    // The position of the first checked radio in id order (0 to 4), or -1 when none is checked.
    int CheckedOption() const;

protected:
    explicit CCleanupOptionsPage(UINT templateId) : CPropertyPage(templateId) {}

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // A failure propagates: the framework shows Excel's description and the wizard stays open.
    BOOL OnWizardFinish() override;

    // Runs the tool with the rule at this position of the page's list.
    virtual void RunTool(int option) = 0;
};
