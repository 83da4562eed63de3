// The option page the three merge modes share: where the joined text goes (radios 2021 onwards), the
// separator with its line-break button, "Merge cells in target arrea" and "Clear the content of source
// cells". Every showing starts from the defaults; Finish runs the merge once.
#pragma once

#include <vector>

#include "framework/PropertyPage.h"
#include "tools/merge/MergeCommands.h"
#include "ui/EditSeparator.h"

class CMergeOptionsPage : public framework::CPropertyPage {
public:
    CEditSeparator m_separator;

    // The request the page's controls make now; the target of the first checked radio (the first target when
    // none is).
    merge::MergeRequest Request() const;

protected:
    // placements: the target of each radio, from 2021 on.
    CMergeOptionsPage(UINT templateId, merge::MergeCommands& commands, std::vector<merge::MergeTarget> placements);

    void DoDataExchange(framework::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // A failure propagates: the framework shows Excel's description and the wizard stays open.
    BOOL OnWizardFinish() override;

private:
    void OnMergeCellsClicked();
    void OnAddNewLine();

    merge::MergeCommands& m_commands;  // the tool's run, which outlives its wizard
    std::vector<merge::MergeTarget> m_placements;
};
