#include "addin/MyAddin.h"

#include "addin/AddinGuids.h"
#include "addin/ExcelVersion.h"
#include "addin/LegacyMenuRemoval.h"
#include "addin/ToolOutcomes.h"
#include "framework/Barrier.h"
#include "framework/Exception.h"
#include "framework/ModuleStateGuard.h"
#include "sheet/AutomationError.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/duplicates/RemoveDuplicates.h"
#include "tools/merge/MergeSelection.h"
#include "tools/status/RunWithStatus.h"

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
    m_workRange = sheet::Range();
    m_app = sheet::Application();
    return S_OK;
}

sheet::Application CMyAddin::ApplicationForRun() const {
    if (!IsConnected())
        throw framework::CException(L"Cellwright has been unloaded, so the command was not carried out.");
    // The run's own reference: a disconnection in the middle of it does not pull Excel away under it.
    return m_app;
}

void CMyAddin::RunChangeCase(cleanup::CaseMode mode) {
    sheet::Application app = ApplicationForRun();
    status::RunWithStatus(m_statusBar, L"Change Case",
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              long changed = cleanup::RunChangeCase(app, mode, progress);
                              return lines.CellsChanged(changed, SelectionAddress(app));
                          });
}

void CMyAddin::RunRemoveCharacters(cleanup::RemoveMode mode) {
    sheet::Application app = ApplicationForRun();
    status::RunWithStatus(m_statusBar, L"Remove Characters",
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              long changed = cleanup::RunRemoveCharacters(app, mode, progress);
                              return lines.CellsChanged(changed, SelectionAddress(app));
                          });
}

std::wstring CMyAddin::SelectionAddress(const sheet::Application& app) noexcept {
    try {
        return app.Selection().Address();
    } catch (...) {
        return std::wstring();
    }
}

std::vector<duplicates::ColumnHeading> CMyAddin::KeyColumnChoices() {
    return duplicates::ReadColumnHeadings(m_workRange);
}

void CMyAddin::SetKeyColumns(std::vector<UINT> offsets) { m_keyColumns = std::move(offsets); }

duplicates::DuplicatesResult CMyAddin::RunRemoveDuplicates(duplicates::DupAction action, COLORREF color) {
    sheet::Application app = ApplicationForRun();
    // The run's own range and columns, whatever a disconnection does to the add-in's meanwhile.
    sheet::Range workRange = m_workRange;
    std::vector<UINT> keyColumns = m_keyColumns;
    duplicates::DuplicatesResult result;
    status::RunWithStatus(
        m_statusBar, L"Remove Duplicates", [&](status::Progress& progress, const status::StatusLines& lines) {
            result = duplicates::RunRemoveDuplicates(app, workRange, keyColumns, action, color, progress);
            return DuplicatesOutcome(action, result, lines);
        });
    return result;
}

merge::MergeResult CMyAddin::MergeSelection(const merge::MergeRequest& request) {
    sheet::Application app = ApplicationForRun();
    merge::MergeResult result;
    status::RunWithStatus(m_statusBar, L"Merge Cell Text",
                          [&](status::Progress& progress, const status::StatusLines& lines) {
                              result = merge::MergeSelection(app, request, progress);
                              return MergeOutcome(request, result, lines);
                          });
    return result;
}

HRESULT CMyAddin::XExtensibility::OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch*,
                                               SAFEARRAY** custom) {
    framework::ModuleStateGuard guard;
    return framework::HResultBarrier([&] { return m_outer.OnConnection(Application, ConnectMode, custom); });
}

HRESULT CMyAddin::XExtensibility::OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY**) {
    framework::ModuleStateGuard guard;
    return framework::HResultBarrier([&] { return m_outer.OnDisconnection(RemoveMode); });
}

HRESULT CMyAddin::XExtensibility::OnAddInsUpdate(SAFEARRAY**) { return S_OK; }

HRESULT CMyAddin::XExtensibility::OnStartupComplete(SAFEARRAY**) {
    framework::ModuleStateGuard guard;
    return framework::HResultBarrier([&] { return m_outer.OnStartupComplete(); });
}

HRESULT CMyAddin::XExtensibility::OnBeginShutdown(SAFEARRAY**) { return S_OK; }
