// The options page both clean-up tools share: five radios (2021 to 2025 give codes 0 to 4), the first
// checked when the page is made, Back and Finish, and Finish runs the tool with the checked code.
#pragma once

#include "framework/PropertyPage.h"
#include "tools/cleanup/CleanupCommands.h"

class CCleanupOptionsPage : public framework::CPropertyPage {
public:
    cleanup::CleanupCommands* m_pAddin = nullptr;  // not owned; set before the wizard shows

    // The code of the first checked radio in id order, or -1 when none is checked.
    int CheckedOption() const;

protected:
    explicit CCleanupOptionsPage(UINT templateId) : CPropertyPage(templateId) {}

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // A failure propagates: the framework shows Excel's description and the wizard stays open.
    BOOL OnWizardFinish() override;

    virtual void RunTool(int mode) = 0;
};
