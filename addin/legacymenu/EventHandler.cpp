#include "addin/legacymenu/EventHandler.h"

#include "addin/legacymenu/LegacyEnabling.h"
#include "addin/legacymenu/LegacyMenuNames.h"
#include "addin/OfficeInterfaces.h"
#include "framework/Barrier.h"
#include "framework/DispatchName.h"
#include "framework/ModuleLock.h"

CEventHandler::CEventHandler(const commands::Command& command, CommandRunner& runner) noexcept
    : m_command(command), m_runner(&runner) {
    framework::LockModule();
}

CEventHandler::~CEventHandler() { framework::UnlockModule(); }

HRESULT CEventHandler::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (iid != DIID_CommandBarButtonEvents && iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG CEventHandler::AddRef() { return ++m_references; }

ULONG CEventHandler::Release() {
    const ULONG remaining = --m_references;
    if (remaining == 0) delete this;
    return remaining;
}

HRESULT CEventHandler::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CEventHandler::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_FAIL;
}

HRESULT CEventHandler::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    framework::DispatchName name;
    if (HRESULT hr = name.Read(riid, names, count, ids); FAILED(hr)) return hr;
    const bool known = name.Ansi() == "Click";
    *ids = known ? DISPID_CommandBarButtonClick : DISPID_UNKNOWN;
    return known ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT CEventHandler::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    if (id != DISPID_CommandBarButtonClick || !m_runner) return S_OK;
    // A wizard runs inside the click, and Excel may disconnect the add-in meanwhile: the sink stays alive
    // until the click returns, and the runner keeps the add-in alive while its command runs.
    framework::ComPtr<CEventHandler> self(this);
    CommandRunner& runner = *m_runner;
    framework::HResultBarrier([&] {
        // Every family add-in hears a click on the shared entry; only the first in the popup carries it out.
        if (m_command.menu.place == commands::MenuPlace::FamilyEntry &&
            !legacy_menu::StandsFirstInFamily(runner.Application()))
            return;
        // A disconnection during the command forgets the runner, which may be gone with the add-in.
        if (runner.Run(m_command) && m_runner) RefreshLegacyEnabling(runner);
    });
    return S_OK;
}

HRESULT CEventHandler::Connect(IDispatch* control) {
    if (!control) return E_POINTER;
    framework::ComPtr<IConnectionPointContainer> container;
    HRESULT hr = control->QueryInterface(IID_IConnectionPointContainer,
                                         reinterpret_cast<void**>(container.ReleaseAndGetAddressOf()));
    if (FAILED(hr)) return hr;
    if (!container) return E_NOINTERFACE;
    framework::ComPtr<IConnectionPoint> point;
    hr = container->FindConnectionPoint(DIID_CommandBarButtonEvents, point.ReleaseAndGetAddressOf());
    if (FAILED(hr)) return hr;
    if (!point) return E_FAIL;
    // Room first, so that a connection once advised is always recorded and later unadvised.
    m_connections.reserve(m_connections.size() + 1);
    DWORD cookie = 0;
    hr = point->Advise(static_cast<IDispatch*>(this), &cookie);
    if (FAILED(hr)) return hr;
    m_connections.push_back({std::move(point), cookie});
    return S_OK;
}

void CEventHandler::DisconnectAll() noexcept {
    // Unadvise may drop Office's references to this sink: the caller's own keeps it alive.
    std::vector<Connection> connections;
    connections.swap(m_connections);
    for (Connection& connection : connections) connection.point->Unadvise(connection.cookie);
}
