// The Change Case options page.
#pragma once

#include "tools/cleanup/CleanupOptionsPage.h"

class CDlgChangeCase : public CCleanupOptionsPage {
public:
    explicit CDlgChangeCase(cleanup::CleanupCommands& commands);

protected:
    void RunTool(int option) override;
};
