// The sink of a command-bar button's Click event (Office's _CommandBarButtonEvents). One sink serves
// every button it is connected to; each derived class says what its click does.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "framework/ComPtr.h"

class CMyAddin;

class CEventHandler : public IDispatch {
public:
    CEventHandler(const CEventHandler&) = delete;
    CEventHandler& operator=(const CEventHandler&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    // Knows one name, "Click" (DISPID 1).
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    // A click (DISPID 1) runs the action while the add-in is set; every call answers S_OK.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override;

    // Advises this sink on the control's button events and keeps the connection; the control's error
    // when it offers no such events.
    HRESULT Connect(IDispatch* control);
    // Unadvises every connection and lets the connection points go.
    void DisconnectAll() noexcept;
    size_t ConnectionCount() const noexcept { return m_connections.size(); }

    // Not owning; while it is null, clicks are ignored.
    CMyAddin* m_pAddin = nullptr;

protected:
    // Reference count 1, the creator's.
    CEventHandler() noexcept;
    virtual ~CEventHandler();

    // What a click does. Runs in the module's state; an exception stops at the sink.
    virtual void OnClick(CMyAddin& addin) = 0;

private:
    struct Connection {
        framework::ComPtr<IConnectionPoint> point;
        DWORD cookie;
    };

    ULONG m_references = 1;
    std::vector<Connection> m_connections;
};
