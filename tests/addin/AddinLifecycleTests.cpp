// The add-in object as Excel creates, connects, queries and drops it.
#include <objidl.h>

#include <gtest/gtest.h>

#include "addin/AddinGuids.h"
#include "addin/legacymenu/ExcelVersion.h"
#include "addin/MyAddin.h"
#include "framework/ClassRegistry.h"
#include "host/excel/CommandBars.h"
#include "host/excel/LiveObjects.h"
#include "host/excel/OfficeConstants.h"
#include "tests/addin/AddinTestKit.h"

namespace {

void* const kMarker = reinterpret_cast<void*>(static_cast<uintptr_t>(0xdeadbeef));

// A CMyAddin held by its own first reference, so a test can read the flags Excel never sees.
struct DirectAddin {
    CMyAddin* addin = new CMyAddin();
    IDTExtensibility2* extensibility = nullptr;
    DirectAddin() { addin->ExternalQueryInterface(IID_IDTExtensibility2, reinterpret_cast<void**>(&extensibility)); }
    ~DirectAddin() {
        extensibility->Release();
        addin->ExternalRelease();
    }
};

class AddinLifecycle : public testing::Test {
protected:
    void SetUp() override { m_liveBefore = host::LiveObjects(); }
    void TearDown() override { EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects leaked"; }

private:
    long m_liveBefore = 0;
};

TEST(ExcelVersion, only_2007_and_2010_go_without_the_legacy_menu_and_only_2000_saves_the_clipboard) {
    struct Case {
        const wchar_t* version;
        bool legacy;
        bool excel2000;
    };
    const Case cases[] = {{L"9.0", true, true},   {L"9.0.0.2719", true, true}, {L"10.0", true, false},
                          {L"11.0", true, false}, {L"12.0", false, false},     {L"14.0", false, false},
                          {L"15.0", true, false}, {L"9", true, false},         {L"", true, false},
                          {L"12", true, false},   {L"9.01", true, false}};
    for (const Case& c : cases) {
        ExcelVersionFlags flags = ClassifyExcelVersion(c.version);
        EXPECT_EQ(flags.legacyMenu, c.legacy) << testing::PrintToString(c.version);
        EXPECT_EQ(flags.excel2000, c.excel2000) << testing::PrintToString(c.version);
    }
}

TEST_F(AddinLifecycle, the_class_object_is_served_for_the_add_in_CLSID_only) {
    void* factory = kMarker;
    EXPECT_EQ(framework::GetClassObject(IID_IDTExtensibility2, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    IDTExtensibility2* addin = cwtest::CreateAddinThroughFactory();
    ASSERT_NE(addin, nullptr);
    EXPECT_EQ(framework::CanUnloadNow(), S_FALSE) << "an add-in object is alive";
    addin->Release();
    EXPECT_EQ(framework::CanUnloadNow(), S_OK);
}

TEST_F(AddinLifecycle, a_null_Application_gives_E_POINTER_and_changes_nothing) {
    DirectAddin a;
    EXPECT_EQ(a.extensibility->OnConnection(nullptr, ext_cm_AfterStartup, nullptr, nullptr), E_POINTER);
    EXPECT_FALSE(a.addin->IsConnected());
    EXPECT_FALSE(a.addin->IsMenuBuilt());
    EXPECT_TRUE(a.addin->ExcelVersion().empty());
}

TEST_F(AddinLifecycle, connecting_keeps_one_reference_to_Application_and_disconnecting_drops_it) {
    auto excel = host::Excel::Create();
    excel->SetVersion(L"11.0");
    long before = host::LiveObjects();
    {
        DirectAddin a;
        framework::ComPtr<IDispatch> app = excel->Application();
        ASSERT_EQ(a.extensibility->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), S_OK);
        EXPECT_EQ(a.addin->ExcelVersion(), L"11.0");
        EXPECT_TRUE(a.addin->UsesLegacyMenu());
        EXPECT_FALSE(a.addin->IsExcel2000());
        app = framework::ComPtr<IDispatch>();
        EXPECT_EQ(host::LiveObjects(), before + 1) << "the add-in holds Application";
        EXPECT_EQ(a.extensibility->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
        EXPECT_FALSE(a.addin->IsConnected());
        EXPECT_EQ(host::LiveObjects(), before);
    }
}

TEST_F(AddinLifecycle, the_legacy_menu_is_built_at_start_up_completion_or_at_once_after_start_up_and_only_once) {
    auto excel = host::Excel::Create();
    excel->SetVersion(L"10.0");
    framework::ComPtr<IDispatch> app = excel->Application();
    {
        DirectAddin atStartup;
        atStartup.extensibility->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
        EXPECT_FALSE(atStartup.addin->IsMenuBuilt()) << "Excel calls OnStartupComplete itself";
        EXPECT_EQ(atStartup.extensibility->OnStartupComplete(nullptr), S_OK);
        EXPECT_TRUE(atStartup.addin->IsMenuBuilt());
        EXPECT_EQ(atStartup.extensibility->OnStartupComplete(nullptr), S_OK);
        EXPECT_TRUE(atStartup.addin->IsMenuBuilt());
        atStartup.extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
    }
    {
        DirectAddin afterStartup;
        afterStartup.extensibility->OnConnection(app.Get(), ext_cm_AfterStartup, nullptr, nullptr);
        EXPECT_TRUE(afterStartup.addin->IsMenuBuilt());
        afterStartup.extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
    }
    excel->SetVersion(L"14.0");
    {
        DirectAddin ribbonOnly;
        ribbonOnly.extensibility->OnConnection(app.Get(), ext_cm_AfterStartup, nullptr, nullptr);
        EXPECT_FALSE(ribbonOnly.addin->UsesLegacyMenu());
        EXPECT_FALSE(ribbonOnly.addin->IsMenuBuilt());
        ribbonOnly.extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
    }
}

TEST_F(AddinLifecycle, an_add_in_released_without_disconnecting_lets_Application_go) {
    auto excel = host::Excel::Create();
    long before = host::LiveObjects();
    IDTExtensibility2* addin = cwtest::CreateAddinThroughFactory();
    framework::ComPtr<IDispatch> app = excel->Application();
    addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
    app = framework::ComPtr<IDispatch>();
    addin->Release();
    EXPECT_EQ(host::LiveObjects(), before);
}

// Excel 2003 with the family popup (Cellwright's submenu and the website entry, plus `others` entries of
// other family add-ins) and the floating toolbar; disconnected with the given mode.
struct LegacyMenuAfterDisconnect {
    std::shared_ptr<host::Excel> excel = host::Excel::Create();
    std::shared_ptr<host::CommandBarControl> family;
    HRESULT disconnected = E_FAIL;

    LegacyMenuAfterDisconnect(ext_DisconnectMode mode, int others, const wchar_t* version = L"11.0") {
        excel->SetVersion(version);
        host::CommandBars& bars = excel->CommandBars();
        family = bars.Find(L"Worksheet Menu Bar")->Controls().Add(host::mso::ControlPopup, L"Zenda Utilities");
        for (int i = 0; i < others; ++i) family->Controls().Add(host::mso::ControlPopup, L"Other Tool");
        family->Controls().Add(host::mso::ControlPopup, L"Cellwright");
        family->Controls().Add(host::mso::ControlButton, L"Zenda Utilities Website");
        bars.Add(L"Zenda Cellwright", host::mso::BarFloating);
        IDTExtensibility2* addin = cwtest::CreateAddinThroughFactory();
        {
            framework::ComPtr<IDispatch> app = excel->Application();
            addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
        }
        disconnected = addin->OnDisconnection(mode, nullptr);
        addin->Release();
    }
    bool ToolbarLeft() { return excel->CommandBars().Find(L"Zenda Cellwright") != nullptr; }
};

TEST_F(AddinLifecycle, the_users_unload_removes_the_toolbar_and_only_the_cellwright_entry_of_a_shared_family_popup) {
    LegacyMenuAfterDisconnect menu(ext_dm_UserClosed, 1);
    EXPECT_EQ(menu.disconnected, S_OK);
    EXPECT_FALSE(menu.ToolbarLeft());
    EXPECT_FALSE(menu.family->Deleted());
    EXPECT_EQ(menu.family->Controls().Captions(),
              (std::vector<std::wstring>{L"Other Tool", L"Zenda Utilities Website"}));
}

TEST_F(AddinLifecycle, the_users_unload_removes_a_family_popup_that_no_other_add_in_shares) {
    LegacyMenuAfterDisconnect menu(ext_dm_UserClosed, 0);
    EXPECT_EQ(menu.disconnected, S_OK);
    EXPECT_TRUE(menu.family->Deleted());
    EXPECT_FALSE(menu.ToolbarLeft());
    EXPECT_EQ(menu.excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Captions(),
              (std::vector<std::wstring>{L"&File", L"&Edit", L"&Help"}));
}

TEST_F(AddinLifecycle, excel_shutting_down_and_the_ribbon_versions_leave_the_menu_where_it_is) {
    LegacyMenuAfterDisconnect shutdown(ext_dm_HostShutdown, 0);
    EXPECT_FALSE(shutdown.family->Deleted());
    EXPECT_TRUE(shutdown.ToolbarLeft());
    LegacyMenuAfterDisconnect ribbon(ext_dm_UserClosed, 0, L"14.0");
    EXPECT_FALSE(ribbon.family->Deleted());
    EXPECT_TRUE(ribbon.ToolbarLeft());
}

TEST_F(AddinLifecycle, unloading_without_any_menu_in_excel_is_no_failure) {
    auto excel = host::Excel::Create();
    excel->SetVersion(L"10.0");
    IDTExtensibility2* addin = cwtest::CreateAddinThroughFactory();
    {
        framework::ComPtr<IDispatch> app = excel->Application();
        addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
    }
    EXPECT_EQ(addin->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
    addin->Release();
    EXPECT_EQ(excel->CommandBars().Names(), (std::vector<std::wstring>{L"Worksheet Menu Bar"}));
}

TEST_F(AddinLifecycle, query_interface_follows_the_interface_map_and_one_reference_count) {
    IDTExtensibility2* extensibility = cwtest::CreateAddinThroughFactory();
    ASSERT_NE(extensibility, nullptr);

    IUnknown* identity = nullptr;
    ASSERT_EQ(extensibility->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    IDispatch* automation = nullptr;
    ASSERT_EQ(identity->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&automation)), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(automation), identity) << "the automation IDispatch is the identity";
    IDispatch* automationAgain = nullptr;
    ASSERT_EQ(extensibility->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&automationAgain)), S_OK);
    EXPECT_EQ(automationAgain, automation);
    LPOLESTR name = const_cast<LPOLESTR>(L"RemDups");
    DISPID id = 0;
    EXPECT_EQ(automation->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), DISP_E_UNKNOWNNAME)
        << "the object's own IDispatch names nothing";

    void* missing = kMarker;
    EXPECT_EQ(identity->QueryInterface(IID_IClassFactory, &missing), E_NOINTERFACE);
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(identity->QueryInterface(IID_IUnknown, nullptr), E_POINTER);

    ICellwrightCallbacks* callbacks = nullptr;
    ASSERT_EQ(identity->QueryInterface(IID_ICellwrightCallbacks, reinterpret_cast<void**>(&callbacks)), S_OK);
    IRibbonExtensibility* ribbon = nullptr;
    ASSERT_EQ(callbacks->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon)), S_OK);
    // Through the ribbon interface only IDispatch is special: Excel calls the callbacks through it.
    struct Case {
        IUnknown* through;
        const IID* iid;
        void* expected;
    };
    const Case cases[] = {
        {ribbon, &IID_IDispatch, callbacks},
        {ribbon, &IID_ICellwrightCallbacks, callbacks},
        {ribbon, &IID_IUnknown, identity},
        {ribbon, &IID_IRibbonExtensibility, ribbon},
        {ribbon, &IID_IDTExtensibility2, extensibility},
        {ribbon, &IID_ICellwrightAddin, automation},
        {ribbon, &IID_IMarshal, nullptr},
        {ribbon, &IID_IStream, nullptr},
        {ribbon, &IID_IClassFactory, nullptr},
        {ribbon, &IID_IPersist, nullptr},
        {callbacks, &IID_IDispatch, callbacks},
        {callbacks, &IID_IUnknown, identity},
        {callbacks, &IID_IMarshal, nullptr},
        {extensibility, &IID_IDispatch, automation},
    };
    for (const Case& c : cases) {
        void* got = kMarker;
        const HRESULT hr = c.through->QueryInterface(*c.iid, &got);
        EXPECT_EQ(hr, c.expected ? S_OK : E_NOINTERFACE) << "case " << (&c - cases);
        EXPECT_EQ(got, c.expected) << "case " << (&c - cases);
        if (SUCCEEDED(hr)) static_cast<IUnknown*>(got)->Release();
    }
    // GetCustomUI through what the ribbon interface gives for its own identifier opens no wizard.
    IRibbonExtensibility* ownAgain = nullptr;
    ASSERT_EQ(ribbon->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ownAgain)), S_OK);
    BSTR markup = nullptr;
    EXPECT_EQ(ownAgain->GetCustomUI(nullptr, &markup), S_OK);
    EXPECT_EQ(std::wstring(markup, SysStringLen(markup)).rfind(L"<customUI ", 0), 0u);
    SysFreeString(markup);
    ownAgain->Release();

    // One count: AddRef through one interface, Release through another.
    const ULONG throughCallbacks = callbacks->AddRef();
    const ULONG throughRibbon = ribbon->AddRef();
    EXPECT_EQ(throughRibbon, throughCallbacks + 1);
    callbacks->Release();
    callbacks->Release();
    ribbon->Release();
    callbacks->Release();
    automationAgain->Release();
    automation->Release();
    identity->Release();
    EXPECT_EQ(extensibility->Release(), 0u);
    EXPECT_EQ(framework::CanUnloadNow(), S_OK);
}

}  // namespace
