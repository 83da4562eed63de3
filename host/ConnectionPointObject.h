// Office's connection point for one button's _CommandBarButtonEvents: Advise keeps the sink on the
// button's model, so that a click reaches it whichever button object the client advised through.
#pragma once

#include "host/CommandBarControl.h"
#include "host/ComRef.h"

#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <memory>

namespace host {

class ConnectionPointObject : public IConnectionPoint {
public:
    // `container` is the button object it was found through.
    static ComRef<IConnectionPoint> Create(std::shared_ptr<CommandBarControl> button,
                                           ComRef<IConnectionPointContainer> container);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    // The sink must answer the event interface; a button that is deleted takes no sink.
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    ConnectionPointObject(std::shared_ptr<CommandBarControl> button, ComRef<IConnectionPointContainer> container);
    virtual ~ConnectionPointObject();

    std::atomic<ULONG> m_references{1};
    std::shared_ptr<CommandBarControl> m_button;
    ComRef<IConnectionPointContainer> m_container;
};

}  // namespace host
