// The module object: one static instance per module, derived by the module that owns it.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

class CWinApp {
public:
    // appName is the caption of the module's message boxes; without one the module's file name is used.
    explicit CWinApp(const wchar_t* appName = nullptr);
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs once, when the module is loaded (ProcessAttach). FALSE makes the load fail.
    virtual BOOL InitInstance();
    // Runs once, when the module is unloaded (ProcessDetach).
    virtual int ExitInstance();

    const std::wstring& ExplicitAppName() const noexcept { return m_appName; }

private:
    std::wstring m_appName;
};

// The module's application object, or null when the module defines none.
CWinApp* GetApp() noexcept;

}  // namespace framework
