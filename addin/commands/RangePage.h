// The first page of every tool's wizard: the range the tool will work on, and a button to pick another.
#pragma once

#include <string>

#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"
#include "sheet/Range.h"
#include "tools/run/ToolRun.h"

// The end code with which the range picker closes a wizard, so that it shows again after the pick.
constexpr INT_PTR kPickRangeEndCode = 55;

class CRangePage : public framework::CPropertyPage {
public:
    framework::CEdit m_edit;      // shows the address; never read back
    framework::CButton m_button;  // the range picker
    framework::CBitmap m_bitmap;  // the picker's face

protected:
    CRangePage(UINT templateId, tools::ToolRun& run);

    void DoDataExchange(framework::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    // The selection this page shows; the Remove Duplicates page also keeps it as the working range.
    virtual sheet::Range TakeSelection() = 0;

    tools::ToolRun& m_run;  // the command's run, which outlives its wizard

private:
    void OnPickRange();
};

// Remove Duplicates: stores the selection as the run's working range each time it shows.
class CDlgSelect : public CRangePage {
public:
    explicit CDlgSelect(tools::ToolRun& run);

protected:
    sheet::Range TakeSelection() override;
};

// The other three tools: shows the selection and leaves the working range alone.
class CDlgSelectN : public CRangePage {
public:
    explicit CDlgSelectN(tools::ToolRun& run);

protected:
    sheet::Range TakeSelection() override;
};
