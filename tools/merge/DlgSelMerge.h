// The merge mode page: Row by Row, Column by Column or In One Cell. Next puts the chosen mode's option page
// third in the wizard, in place of one an earlier pass put there, so that it shows with its defaults.
#pragma once

#include "framework/PropertyPage.h"
#include "framework/ScaledPictures.h"
#include "tools/merge/DlgMergeSelCol.h"
#include "tools/merge/DlgMergeSelRow.h"
#include "tools/merge/DlgSelMergeCell.h"
#include "tools/merge/MergeCommands.h"

class CDlgSelMerge : public framework::CPropertyPage {
public:
    CDlgSelMerge();

    // The option pages, owned here; the sheet holds one of them at a time.
    CDlgSelMergeCell m_pageInOneCell;
    CDlgMergeSelCol m_pageByColumn;
    CDlgMergeSelRow m_pageByRow;
    merge::MergeCommands* m_pAddin = nullptr;  // not owned; set before the wizard shows

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

private:
    // The option page of the checked mode, or null when none is checked.
    CMergeOptionsPage* ChosenPage();

    framework::CScaledPictures m_pictures;
};
