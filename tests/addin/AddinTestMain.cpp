// The test program plays the add-in DLL: its module object, loaded as DllMain loads it.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "addin/CellwrightApp.h"
#include "framework/Module.h"

namespace {
CCellwrightRMApp testApp;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!framework::ProcessAttach(GetModuleHandleW(nullptr))) return 2;
    int result = RUN_ALL_TESTS();
    framework::ProcessDetach();
    OleUninitialize();
    return result;
}
