#include "host/excel/ConnectionPointObject.h"

#include "host/excel/LiveObjects.h"

#include <new>
#include <olectl.h>

namespace host {

ConnectionPointObject::ConnectionPointObject(std::shared_ptr<CommandBarControl> button,
                                             framework::ComPtr<IConnectionPointContainer> container)
    : m_button(std::move(button)), m_container(std::move(container)) {
    detail::ObjectCreated();
}

ConnectionPointObject::~ConnectionPointObject() { detail::ObjectDestroyed(); }

framework::ComPtr<IConnectionPoint> ConnectionPointObject::Create(
    std::shared_ptr<CommandBarControl> button, framework::ComPtr<IConnectionPointContainer> container) {
    auto* point = new (std::nothrow) ConnectionPointObject(std::move(button), std::move(container));
    if (!point) throw std::bad_alloc();
    return framework::ComPtr<IConnectionPoint>::Adopt(point);
}

HRESULT STDMETHODCALLTYPE ConnectionPointObject::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = DIID_CommandBarButtonEvents;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPointObject::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = framework::ComPtr<IConnectionPointContainer>(m_container).Detach();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPointObject::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    if (m_button->Deleted()) return E_FAIL;
    framework::ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(DIID_CommandBarButtonEvents,
                                    reinterpret_cast<void**>(events.ReleaseAndGetAddressOf()))) ||
        !events)
        return CONNECT_E_CANNOTCONNECT;
    try {
        *cookie = m_button->Events().Advise(std::move(events));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPointObject::Unadvise(DWORD cookie) {
    return m_button->Events().Unadvise(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT STDMETHODCALLTYPE ConnectionPointObject::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

}  // namespace host
