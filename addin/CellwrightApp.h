// The module object of the add-in DLL: one static instance (the DLL defines it beside its entry points, a
// test program its own). Its InitInstance registers the module's class table, which serves both
// DllGetClassObject and the registry entries; its name is the caption of the add-in's message boxes.
#pragma once

#include "framework/WinApp.h"

class CCellwrightRMApp : public framework::CWinApp {
public:
    CCellwrightRMApp();
    BOOL InitInstance() override;
};
