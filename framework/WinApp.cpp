#include "framework/WinApp.h"

namespace framework {

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(const wchar_t* appName) : m_appName(appName ? appName : L"") {
    // One per module: a second one would be a static defined twice, and the first stays in charge.
    if (!g_app) g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CWinApp* GetApp() noexcept { return g_app; }

}  // namespace framework
