// "Choose Columns": the working range's columns with check boxes; the ticked ones make up a row's key.
#pragma once

#include "framework/ListCtrl.h"
#include "framework/PropertyPage.h"
#include "tools/duplicates/DuplicatesCommands.h"

class CDlgColumns : public framework::CPropertyPage {
public:
    explicit CDlgColumns(duplicates::DuplicatesCommands& commands);

    framework::CListCtrl m_list;
    bool m_initialized = false;

    // Lists the working range's columns, all ticked. Once per wizard: Back and Next keep the user's ticks.
    void FillColumnList();

protected:
    void DoDataExchange(framework::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Stores the ticked columns and moves on, or says that one is needed and stays.
    LRESULT OnWizardNext() override;

private:
    void OnToggleCheckAll();
    void CheckAll(bool checked);

    duplicates::DuplicatesCommands& m_commands;  // the tool's run, which outlives its wizard
};
