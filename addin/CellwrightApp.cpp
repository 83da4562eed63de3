#include "addin/CellwrightApp.h"

#include "addin/AddinGuids.h"
#include "addin/MyAddin.h"
#include "framework/ClassRegistry.h"

namespace {

// The module's classes: the class factory and registration both read this one table.
const framework::ClassEntry kClasses[] = {
    {&CLSID_CellwrightAddin, L"Cellwright.ZendaUtils", L"Zenda Utilities Cellwright", &CMyAddin::Create},
};

}  // namespace

CCellwrightRMApp::CCellwrightRMApp() : CWinApp(L"Cellwright") {}

BOOL CCellwrightRMApp::InitInstance() {
    framework::RegisterClasses(kClasses);
    return TRUE;
}
