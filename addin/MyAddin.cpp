#include "addin/MyAddin.h"

#include "addin/AddinGuids.h"
#include "addin/legacymenu/CommandBarMenu.h"
#include "addin/legacymenu/ExcelVersion.h"
#include "addin/legacymenu/LegacyEnabling.h"
#include "addin/legacymenu/LegacyMenuRemoval.h"
#include "framework/Barrier.h"
#include "framework/Trace.h"
#include "sheet/AutomationError.h"

CMyAddin::CMyAddin() { EnableAutomation(); }

CMyAddin::~CMyAddin() { m_buttonHandlers.ReleaseAll(); }

HRESULT CMyAddin::Create(REFIID iid, void** ppv) noexcept { return framework::CreateComObject<CMyAddin>(iid, ppv); }

framework::InterfaceMap CMyAddin::GetInterfaceMap() const noexcept {
    static const framework::InterfaceEntry entries[] = {
        CCmdTarget::AutomationEntry(IID_ICellwrightAddin),
        framework::InterfaceEntryFor<&CMyAddin::m_extensibility>(IID_IDTExtensibility2),
        framework::InterfaceEntryFor<&CMyAddin::m_ribbonExtensibility>(IID_IRibbonExtensibility),
        framework::InterfaceEntryFor<&CMyAddin::m_callbacks>(IID_ICellwrightCallbacks),
    };
    return framework::MakeInterfaceMap(entries);
}

HRESULT CMyAddin::OnConnection(IDispatch* application, ext_ConnectMode mode, SAFEARRAY**) {
    if (!application) return E_POINTER;
    m_app = sheet::Application(framework::ComPtr<IDispatch>(application));
    // A failed connection would make Excel unload the add-in and keep it unloaded: a version it will not
    // tell now is asked for again when the start completes.
    ReadExcelVersion();

    // Excel calls OnStartupComplete only for add-ins it loads while starting.
    if (mode != ext_cm_Startup) OnStartupComplete();
    return S_OK;
}

void CMyAddin::ReadExcelVersion() {
    try {
        m_version = m_app.Version();
    } catch (const sheet::CAutomationError&) {
        return;
    }
    m_versionKnown = true;
    ExcelVersionFlags flags = ClassifyExcelVersion(m_version);
    m_legacyMenu = flags.legacyMenu;
    m_excel2000 = flags.excel2000;
}

HRESULT CMyAddin::OnStartupComplete() {
    if (!m_versionKnown && IsConnected()) ReadExcelVersion();
    if (m_legacyMenu && !m_menuBuilt) {
        m_menuBuilt = true;
        BuildCommandBarMenu();
    }
    return S_OK;
}

HRESULT CMyAddin::OnDisconnection(ext_DisconnectMode mode) {
    // The user's status bar comes back, a wizard still open closes without another call to Excel, and the run
    // lets go of Excel's objects: one held past disconnection can keep Excel from closing.
    m_runner.Disconnect();
    if (m_legacyMenu) {
        m_buttonHandlers.ReleaseAll();
        // Only the user's unload takes the menu away; at Excel's shutdown it stays for the next start.
        if (mode == ext_dm_UserClosed) RemoveLegacyMenu(m_app);
    }
    m_app = sheet::Application();
    return S_OK;
}

HRESULT CMyAddin::BuildCommandBarMenu() {
    try {
        if (!m_buttonHandlers.CreateAll(m_runner)) return S_OK;
        BuildLegacyMenu(m_app, m_buttonHandlers, m_excel2000 ? FaceRoad::Clipboard : FaceRoad::PictureAndMask);
        RefreshLegacyEnabling(m_runner);
    } catch (...) {
        // Whatever Excel refused, the menu stays as far as it got and Excel starts as usual.
        framework::TraceSwallowed(L"building the legacy menu");
    }
    return S_OK;
}

HRESULT CMyAddin::Extensibility::OnConnection(IDispatch* application, ext_ConnectMode mode, IDispatch*,
                                              SAFEARRAY** custom) {
    return framework::HResultBarrier([&] { return m_outer.OnConnection(application, mode, custom); });
}

HRESULT CMyAddin::Extensibility::OnDisconnection(ext_DisconnectMode mode, SAFEARRAY**) {
    return framework::HResultBarrier([&] { return m_outer.OnDisconnection(mode); });
}

HRESULT CMyAddin::Extensibility::OnAddInsUpdate(SAFEARRAY**) { return S_OK; }

HRESULT CMyAddin::Extensibility::OnStartupComplete(SAFEARRAY**) {
    return framework::HResultBarrier([&] { return m_outer.OnStartupComplete(); });
}

HRESULT CMyAddin::Extensibility::OnBeginShutdown(SAFEARRAY**) { return S_OK; }
