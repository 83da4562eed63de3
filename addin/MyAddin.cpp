#include "addin/MyAddin.h"

#include "addin/AddinGuids.h"
#include "addin/commands/CommandRun.h"
#include "addin/legacymenu/CommandBarMenu.h"
#include "addin/legacymenu/ExcelVersion.h"
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
        framework::InterfaceEntryFor<&CMyAddin::m_xExtensibility>(IID_IDTExtensibility2),
        framework::InterfaceEntryFor<&CMyAddin::m_xRibbonExtensibility>(IID_IRibbonExtensibility),
        framework::InterfaceEntryFor<&CMyAddin::m_xCallbackInterface>(IID_ICellwrightCallbacks),
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
        m_strVersion = m_app.Version();
    } catch (const sheet::CAutomationError&) {
        return;
    }
    m_bVersionKnown = true;
    ExcelVersionFlags flags = ClassifyExcelVersion(m_strVersion);
    m_bLegacyMenu = flags.legacyMenu;
    m_bExcel2000 = flags.excel2000;
}

HRESULT CMyAddin::OnStartupComplete() {
    if (!m_bVersionKnown && IsConnected()) ReadExcelVersion();
    if (m_bLegacyMenu && !m_bMenuBuilt) {
        m_bMenuBuilt = true;
        BuildCommandBarMenu();
    }
    return S_OK;
}

HRESULT CMyAddin::OnDisconnection(ext_DisconnectMode mode) {
    m_statusBar.RestoreNow();
    if (m_bLegacyMenu) {
        m_buttonHandlers.ReleaseAll();
        // Only the user's unload takes the menu away; at Excel's shutdown it stays for the next start.
        if (mode == ext_dm_UserClosed) RemoveLegacyMenu(m_app);
    }
    // A wizard still open closes without another call to Excel.
    if (m_wizard) m_wizard->EndDialog(IDCANCEL);
    // Every Excel object goes now: one held past disconnection can keep Excel from closing.
    if (m_run) m_run->ReleaseExcel();
    m_lastRun.Release();
    m_ribbonUI = nullptr;
    m_app = sheet::Application();
    return S_OK;
}

HRESULT CMyAddin::BuildCommandBarMenu() {
    try {
        if (!m_buttonHandlers.CreateAll(*this)) return S_OK;
        BuildLegacyMenu(m_app, m_buttonHandlers, m_bExcel2000 ? FaceRoad::Clipboard : FaceRoad::PictureAndMask);
        RefreshUndoButton();
    } catch (...) {
        // Whatever Excel refused, the menu stays as far as it got and Excel starts as usual.
        framework::TraceSwallowed(L"building the legacy menu");
    }
    return S_OK;
}

HRESULT CMyAddin::XExtensibility::OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch*,
                                               SAFEARRAY** custom) {
    return framework::HResultBarrier([&] { return m_outer.OnConnection(Application, ConnectMode, custom); });
}

HRESULT CMyAddin::XExtensibility::OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY**) {
    return framework::HResultBarrier([&] { return m_outer.OnDisconnection(RemoveMode); });
}

HRESULT CMyAddin::XExtensibility::OnAddInsUpdate(SAFEARRAY**) { return S_OK; }

HRESULT CMyAddin::XExtensibility::OnStartupComplete(SAFEARRAY**) {
    return framework::HResultBarrier([&] { return m_outer.OnStartupComplete(); });
}

HRESULT CMyAddin::XExtensibility::OnBeginShutdown(SAFEARRAY**) { return S_OK; }
