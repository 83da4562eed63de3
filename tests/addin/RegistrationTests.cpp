// Registration of the built DLL, called as regsvr32 calls it, and Excel's way of finding it afterwards.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <string>

#include "addin/AddinGuids.h"
#include "addin/legacymenu/ExcelVersion.h"
#include "addin/OfficeInterfaces.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelServer.h"
#include "host/excel/LiveObjects.h"
#include "tests/addin/LegacyMenuTestKit.h"

namespace {

using ServerEntry = HRESULT(WINAPI*)();

const std::wstring kClassKey = L"CLSID\\{6A3F2C71-5B0E-4D8A-9C1E-2F7B8E4D5A10}";
const std::wstring kAddinKey = L"Software\\Microsoft\\Office\\Excel\\Addins\\Cellwright.ZendaUtils";

std::wstring ReadString(HKEY root, const std::wstring& key, const wchar_t* value) {
    wchar_t data[1024] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(root, key.c_str(), value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return L"<missing>";
    return data;
}

DWORD ReadDword(HKEY root, const std::wstring& key, const wchar_t* value) {
    DWORD data = 0xdeadbeef;
    DWORD size = sizeof(data);
    RegGetValueW(root, key.c_str(), value, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

ServerEntry Export(HMODULE module, const char* name) {
    // Through void(*)(): the one function pointer type any other may be cast to without a warning.
    return reinterpret_cast<ServerEntry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The DLL as regsvr32 loads it.
class RegisteredDll : public testing::Test {
protected:
    void SetUp() override {
        m_module = LoadLibraryW(CW_DLL_PATH);
        ASSERT_NE(m_module, nullptr) << "cannot load " << CW_DLL_PATH;
        m_register = Export(m_module, "DllRegisterServer");
        m_unregister = Export(m_module, "DllUnregisterServer");
        ASSERT_NE(m_register, nullptr);
        ASSERT_NE(m_unregister, nullptr);
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(m_module, path, MAX_PATH);
        m_path = path;
    }
    void TearDown() override {
        if (m_unregister) m_unregister();
        CoFreeUnusedLibraries();
        if (m_module) FreeLibrary(m_module);
    }

    HMODULE m_module = nullptr;
    ServerEntry m_register = nullptr;
    ServerEntry m_unregister = nullptr;
    std::wstring m_path;
};

TEST_F(RegisteredDll, registering_writes_the_class_the_prog_id_and_the_excel_add_in_key) {
    ASSERT_EQ(m_register(), S_OK);
    ASSERT_EQ(m_register(), S_OK) << "registering twice overwrites and succeeds";
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, kClassKey, nullptr), L"Zenda Utilities Cellwright");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", nullptr), m_path);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"<missing>");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\ProgID", nullptr), L"Cellwright.ZendaUtils");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"Cellwright.ZendaUtils", nullptr), L"Zenda Utilities Cellwright");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"Cellwright.ZendaUtils\\CLSID", nullptr),
              L"{6A3F2C71-5B0E-4D8A-9C1E-2F7B8E4D5A10}");
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kAddinKey, L"LoadBehavior"), 3u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kAddinKey, L"CommandLineSafe"), 0u);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kAddinKey, L"FriendlyName"), L"Zenda Utilities Cellwright");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kAddinKey, L"Description"), L"Zenda Utilities Cellwright");
}

TEST_F(RegisteredDll, excel_finds_the_add_in_by_prog_id_and_connects_it) {
    ASSERT_EQ(m_register(), S_OK);
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(L"Cellwright.ZendaUtils", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_CellwrightAddin));
    long live = host::LiveObjects();
    {
        auto excel = host::Excel::Create();
        IDTExtensibility2* addin = nullptr;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2,
                                   reinterpret_cast<void**>(&addin)),
                  S_OK);
        framework::ComPtr<IDispatch> app = excel->Application();
        EXPECT_EQ(addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), S_OK);
        EXPECT_EQ(addin->OnStartupComplete(nullptr), S_OK);
        EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
        EXPECT_EQ(addin->Release(), 0u);
    }
    EXPECT_EQ(host::LiveObjects(), live);
}

TEST_F(RegisteredDll, unregistering_removes_every_key_and_succeeds_also_when_nothing_is_there) {
    ASSERT_EQ(m_register(), S_OK);
    ASSERT_EQ(m_unregister(), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Cellwright.ZendaUtils"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\Addins"))
        << "only the add-in's own key goes";
    EXPECT_EQ(m_unregister(), S_OK);
    CLSID clsid{};
    EXPECT_NE(CLSIDFromProgID(L"Cellwright.ZendaUtils", &clsid), S_OK);
}

TEST_F(RegisteredDll, registration_that_cannot_write_its_keys_reports_a_failure) {
    // A volatile parent refuses the lasting add-in key below it.
    const std::wstring addins = L"Software\\Microsoft\\Office\\Excel\\Addins";
    RegDeleteTreeW(HKEY_CURRENT_USER, addins.c_str());
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, addins.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    HRESULT hr = m_register();
    RegDeleteTreeW(HKEY_CURRENT_USER, addins.c_str());
    EXPECT_EQ(hr, SELFREG_E_CLASS);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"Cellwright.ZendaUtils\\CLSID", nullptr),
              L"{6A3F2C71-5B0E-4D8A-9C1E-2F7B8E4D5A10}")
        << "the entries that could be written are written";
}

// Unregistering with Excel running, or with none (then an Excel 2000 to 2003 that is registered is started as
// regsvr32 would find it, its menu still there from its last run; a later one is not started at all).
TEST_F(RegisteredDll, unregistering_takes_the_menu_out_of_the_excel_it_finds_and_starts_only_an_excel_with_a_menu) {
    struct Case {
        const char* what;
        const wchar_t* running;     // null: none runs
        const wchar_t* registered;  // the ProgID's CurVer; null: none
        const wchar_t* comesUp;     // the version of an Excel started; null: none is started
        int others;                 // other family add-ins' entries in the popup
        long windows;
        std::vector<std::wstring> familyLeft;  // empty: no popup left
        bool toolbarLeft;
    };
    using Captions = std::vector<std::wstring>;
    const Captions untouched{L"Cellwright", L"Zenda Utilities Website"};
    const Case cases[] = {
        {"a running Excel 2003", L"11.0", L"Excel.Application.11", nullptr, 0, 1, {}, false},
        {"a running Excel 2002 shared with another add-in", L"10.0", L"Excel.Application.10", nullptr, 1, 1,
         Captions{L"Zenda Other Tool", L"Zenda Utilities Website"}, false},
        {"another program's Excel without a window", L"11.0", nullptr, nullptr, 0, 0, {}, false},
        {"a running Excel 2010", L"14.0", L"Excel.Application.14", nullptr, 0, 1, untouched, true},
        {"a running Excel of today", L"16.0.17928", L"Excel.Application.16", nullptr, 0, 1, untouched, true},
        {"no Excel running, Excel 2003 registered: it is started", nullptr, L"Excel.Application.11", L"11.0", 0, 0, {},
         false},
        {"no Excel running, Excel 2003 registered but 2007 comes up", nullptr, L"Excel.Application.11", L"12.0", 0, 0,
         untouched, true},
        {"no Excel running, Excel 2010 registered", nullptr, L"Excel.Application.14", nullptr, 0, 0, {}, false},
        {"no Excel running, Excel of today registered", nullptr, L"Excel.Application.16", nullptr, 0, 0, {}, false},
        {"no Excel running, no version registered", nullptr, nullptr, nullptr, 0, 0, {}, false},
    };
    ASSERT_EQ(m_register(), S_OK);
    const long liveBefore = host::LiveObjects();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host::ExcelServer server;
        ASSERT_TRUE(server.Registered());
        if (c.registered) server.SetRegisteredVersion(c.registered);
        auto prepare = [&](host::Excel& excel) {
            excel.SetVersion(c.running ? c.running : c.comesUp ? c.comesUp : L"11.0");
            cwtest::LeaveLegacyMenu(excel, c.others);
        };
        std::shared_ptr<host::Excel> running;
        if (c.running) {
            running = host::Excel::Create();
            prepare(*running);
            running->SetWindowCount(c.windows);
            server.SetRunning(running);
        }
        server.SetStartup(prepare);

        EXPECT_EQ(m_unregister(), S_OK);
        ASSERT_EQ(server.Started().size(), c.comesUp ? 1u : 0u);
        if (!c.running && !c.comesUp) continue;
        host::Excel& excel = c.running ? *running : *server.Started().front();
        EXPECT_EQ(excel.QuitCount(), c.running ? 0 : 1) << "only an Excel unregistration started is quit";
        auto family = cwtest::FamilyPopup(excel);
        EXPECT_EQ(family ? family->Controls().Captions() : Captions{}, c.familyLeft);
        EXPECT_EQ(excel.CommandBars().Find(L"Zenda Cellwright") != nullptr, c.toolbarLeft);
        if (c.toolbarLeft) {
            EXPECT_EQ(excel.Log().Count(L"Application.CommandBars"), 0u) << "a ribbon version is left alone";
        }
    }
    EXPECT_EQ(host::LiveObjects(), liveBefore);
}

// Excel 2000 to 2003 get the menu and toolbar; 2007 and every later version the ribbon alone, with no call
// to the command bars at all; a version that cannot be read keeps the menu.
TEST_F(RegisteredDll, only_excel_2000_to_2003_and_unreadable_versions_touch_the_command_bars) {
    struct Case {
        const wchar_t* version;
        bool menu;
        bool excel2000;  // the button faces go through the clipboard
    };
    const Case cases[] = {
        {L"9.0", true, true},        {L"10.0", true, false},  {L"11.0", true, false},
        {L"11.0.8237", true, false}, {L"12.0", false, false}, {L"14.0", false, false},
        {L"15.0", false, false},     {L"16.0", false, false}, {L"16.0.17928", false, false},
        {L"", true, false},          {L"abc", true, false},
    };
    ASSERT_EQ(m_register(), S_OK);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.version)));
        EXPECT_EQ(ClassifyExcelVersion(c.version).excel2000, c.excel2000);
        auto excel = host::Excel::Create();
        excel->SetVersion(c.version);
        {
            cwtest::StartedAddin addin(*excel);
            EXPECT_EQ(cwtest::FamilyPopup(*excel) != nullptr, c.menu) << "at start-up";
            EXPECT_EQ(excel->Log().Count(L"Application.CommandBars") != 0, c.menu) << "at start-up";
            excel->Log().Clear();
            if (!c.menu) cwtest::LeaveLegacyMenu(*excel, 0);  // as an earlier Excel left it
            addin.Stop(ext_dm_UserClosed);
            EXPECT_EQ(cwtest::FamilyPopup(*excel) == nullptr, c.menu) << "at unload";
            EXPECT_EQ(excel->Log().Count(L"Application.CommandBars") != 0, c.menu) << "at unload";
        }
        host::ExcelServer server;
        excel->Log().Clear();
        if (c.menu) cwtest::LeaveLegacyMenu(*excel, 0);
        server.SetRunning(excel);
        EXPECT_EQ(m_unregister(), S_OK);
        EXPECT_EQ(cwtest::FamilyPopup(*excel) == nullptr, c.menu) << "at unregistration";
        EXPECT_EQ(excel->Log().Count(L"Application.CommandBars") != 0, c.menu) << "at unregistration";
    }
}

// Runs in a process of its own (CMakeLists.txt): COM goes on waiting for the server on unregistration's thread.
using SilentExcel = RegisteredDll;

// Excel 2003 is registered, and its class is served by a program that starts and never registers a class object.
TEST_F(SilentExcel, an_excel_that_never_comes_up_keeps_unregistration_for_seconds_only_and_is_ended_alone) {
    ASSERT_EQ(m_register(), S_OK);
    const std::wstring excelClass = L"{00024500-0000-0000-C000-000000000046}", mark = L"Software\\Cellwright Tests";
    const std::wstring keys[][2] = {{L"Excel.Application\\CLSID", excelClass},
                                    {L"Excel.Application\\CurVer", L"Excel.Application.11"},
                                    {L"CLSID\\" + excelClass + L"\\LocalServer32", CW_SILENT_SERVER_PATH}};
    for (const auto& [key, text] : keys)
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, text.c_str(),
                                  DWORD((text.size() + 1) * sizeof(wchar_t))), ERROR_SUCCESS);
    RegDeleteTreeW(HKEY_CURRENT_USER, mark.c_str());
    const DWORD before = GetTickCount();
    EXPECT_EQ(m_unregister(), S_OK);
    const DWORD elapsed = GetTickCount() - before;
    const DWORD server = ReadDword(HKEY_CURRENT_USER, mark, L"Silent Excel server");
    const DWORD user = ReadDword(HKEY_CURRENT_USER, mark, L"User's Excel");
    for (const std::wstring& key : {std::wstring(L"Excel.Application"), L"CLSID\\" + excelClass, mark})
        RegDeleteTreeW(key == mark ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT, key.c_str());
    EXPECT_LT(elapsed, 15000u) << "COM alone waits half a minute for a server";
    ASSERT_NE(server, 0xdeadbeefu) << "the registered Excel 2003 was started";
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, server);
    if (process) {  // else it is gone already
        EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0) << "the server it started is ended";
        CloseHandle(process);
    }
    // An Excel of the same program that came up meanwhile, not started by COM, may be the user's: it runs on.
    ASSERT_NE(user, 0xdeadbeefu);
    HANDLE users = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, user);
    ASSERT_NE(users, nullptr) << "the user's Excel was ended";
    EXPECT_EQ(WaitForSingleObject(users, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the user's Excel was ended";
    TerminateProcess(users, 0);
    CloseHandle(users);
}

}  // namespace
