#include "addin/CellwrightApp.h"

#include "addin/AddinGuids.h"
#include "addin/MyAddin.h"
#include "framework/ClassRegistry.h"

namespace {

const framework::ClassEntry kClasses[] = {
    {&CLSID_CellwrightAddin, L"Cellwright.ZendaUtils", &CMyAddin::Create},
};

}  // namespace

CCellwrightRMApp::CCellwrightRMApp() : CWinApp(L"Cellwright") {}

BOOL CCellwrightRMApp::InitInstance() {
    framework::RegisterClasses(kClasses);
    return TRUE;
}
