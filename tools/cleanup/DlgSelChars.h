// The Remove Characters options page.
#pragma once

#include "tools/cleanup/CleanupOptionsPage.h"

class CDlgSelChars : public CCleanupOptionsPage {
public:
    CDlgSelChars();

protected:
    void RunTool(int option) override;
};
