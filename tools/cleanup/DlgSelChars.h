// The Remove Characters options page.
#pragma once

#include "tools/cleanup/CleanupOptionsPage.h"

class CDlgSelChars : public CCleanupOptionsPage {
public:
    explicit CDlgSelChars(cleanup::CleanupCommands& commands);

protected:
    void RunTool(int option) override;
};
