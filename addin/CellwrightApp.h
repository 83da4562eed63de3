// The module object of the add-in DLL.
#pragma once

#include "framework/WinApp.h"

class CCellwrightRMApp : public framework::CWinApp {
public:
    CCellwrightRMApp();
    // Registers the add-in's class factory, so that DllGetClassObject finds it.
    BOOL InitInstance() override;
};

// The DLL defines the one instance beside its entry points; a test program defines its own.
