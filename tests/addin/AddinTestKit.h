// What the add-in's tests share: the module set up as the DLL sets it up, and an add-in object connected
// to a stand-in Excel the way Excel connects it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "addin/CallbackInterface.h"
#include "addin/OfficeInterfaces.h"
#include "host/excel/Excel.h"

class CMyAddin;

namespace cwtest {

// A new add-in object from the module's class factory, as Excel creates it (one reference, the caller's).
IDTExtensibility2* CreateAddinThroughFactory();

// An add-in connected to a fresh stand-in Excel of the given version; disconnected and released at the end.
class ConnectedAddin {
public:
    explicit ConnectedAddin(const std::wstring& version = L"14.0", ext_ConnectMode mode = ext_cm_Startup);
    ~ConnectedAddin();
    ConnectedAddin(const ConnectedAddin&) = delete;
    ConnectedAddin& operator=(const ConnectedAddin&) = delete;

    host::Excel& Excel() { return *m_excel; }
    const std::shared_ptr<host::Excel>& ExcelPtr() const { return m_excel; }
    IDTExtensibility2* Extensibility() const { return m_extensibility; }
    // The callback dispatch interface, reached as Excel reaches it: IDispatch asked of the ribbon interface.
    ICellwrightCallbacks* Callbacks() const { return m_callbacks; }
    // Invoke as the ribbon calls an onAction callback: one control argument, which is ignored.
    HRESULT InvokeCallback(DISPID id);

private:
    std::shared_ptr<host::Excel> m_excel;
    IDTExtensibility2* m_extensibility = nullptr;
    ICellwrightCallbacks* m_callbacks = nullptr;
};

// Takes the place of the shell for its lifetime: the add-in's help and home page calls are recorded,
// nothing opens.
class ShellOpenRecorder {
public:
    struct Call {
        std::wstring target;
        int show;
    };
    ShellOpenRecorder();
    ~ShellOpenRecorder();
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

    const std::vector<Call>& Calls() const { return m_calls; }
    std::vector<std::wstring> Targets() const;
    void Clear() { m_calls.clear(); }

private:
    static void Record(const std::wstring& target, int show);

    std::vector<Call> m_calls;
    void (*m_previous)(const std::wstring&, int) = nullptr;
};

}  // namespace cwtest
