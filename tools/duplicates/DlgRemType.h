// "Choose Action": select, colour or empty the duplicate rows; Finish runs the engine.
#pragma once

#include "framework/PropertyPage.h"
#include "tools/duplicates/DuplicatesCommands.h"
#include "ui/ColorPickerCB.h"

class CDlgRemType : public framework::CPropertyPage {
public:
    explicit CDlgRemType(duplicates::DuplicatesCommands& commands);

    CColorPickerCB m_colorPicker;

protected:
    void DoDataExchange(framework::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // A failure propagates: the framework shows Excel's description and the wizard stays open.
    BOOL OnWizardFinish() override;

private:
    void OnActionNoColor();
    void OnActionColor();

    duplicates::DuplicatesCommands& m_commands;  // the tool's run, which outlives its wizard
};
