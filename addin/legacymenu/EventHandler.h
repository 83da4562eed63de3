// The sink of a command-bar button's Click event (Office's _CommandBarButtonEvents): it holds one command of
// the table and serves every button of that command it is connected to.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "addin/commands/CommandRunner.h"
#include "framework/ComPtr.h"

class CEventHandler final : public IDispatch {
public:
    // Reference count 1, the creator's.
    CEventHandler(const commands::Command& command, CommandRunner& runner) noexcept;
    CEventHandler(const CEventHandler&) = delete;
    CEventHandler& operator=(const CEventHandler&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    // Knows one name, "Click" (DISPID 1).
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    // A click (DISPID 1) runs the command while the runner is set; every call answers S_OK.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override;

    // Advises this sink on the control's button events and keeps the connection; the control's error
    // when it offers no such events.
    HRESULT Connect(IDispatch* control);
    // Unadvises every connection and lets the connection points go.
    void DisconnectAll() noexcept;
    // From now on clicks are ignored.
    void ForgetRunner() noexcept { m_runner = nullptr; }

private:
    ~CEventHandler();

    struct Connection {
        framework::ComPtr<IConnectionPoint> point;
        DWORD cookie;
    };

    ULONG m_references = 1;
    const commands::Command& m_command;
    CommandRunner* m_runner;  // not owned
    std::vector<Connection> m_connections;
};
