// Office's connection point for one button's _CommandBarButtonEvents: Advise keeps the sink on the
// button's model, so that a click reaches it whichever button object the client advised through.
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/CommandBarControl.h"
#include "host/excel/UnknownImpl.h"

#include <windows.h>
#include <ocidl.h>

#include <memory>

namespace host {

class ConnectionPointObject : public UnknownImpl<IConnectionPoint, IID_IConnectionPoint> {
public:
    // `container` is the button object it was found through.
    static framework::ComPtr<IConnectionPoint> Create(std::shared_ptr<CommandBarControl> button,
                                                      framework::ComPtr<IConnectionPointContainer> container);

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    // The sink must answer the event interface; a button that is deleted takes no sink.
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    ConnectionPointObject(std::shared_ptr<CommandBarControl> button,
                          framework::ComPtr<IConnectionPointContainer> container);
    ~ConnectionPointObject() override;

    std::shared_ptr<CommandBarControl> m_button;
    framework::ComPtr<IConnectionPointContainer> m_container;
};

}  // namespace host
