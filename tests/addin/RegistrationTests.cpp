// Registration of the built DLL, called as regsvr32 calls it, and Excel's way of finding it afterwards.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <string>

#include "addin/AddinGuids.h"
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

// Unregistering with Excel running, or with none (then Excel is started as regsvr32 would find it, its
// menu still there from its last run).
TEST_F(RegisteredDll, unregistering_takes_the_menu_out_of_the_excel_it_finds_and_quits_only_one_it_started) {
    struct Case {
        const char* what;
        const wchar_t* running;  // null: none runs
        const wchar_t* version;
        int others;               // other family add-ins' entries in the popup
        long windows;
        std::vector<std::wstring> familyLeft;  // empty: no popup left
        bool toolbarLeft;
    };
    using Captions = std::vector<std::wstring>;
    const Case cases[] = {
        {"a running Excel 2003", L"11.0", nullptr, 0, 1, {}, false},
        {"a running Excel 2002 shared with another add-in", L"10.0", nullptr, 1, 1,
         Captions{L"Zenda Other Tool", L"Zenda Utilities Website"}, false},
        {"another program's Excel without a window", L"11.0", nullptr, 0, 0, {}, false},
        {"a running Excel 2010", L"14.0", nullptr, 0, 1, Captions{L"Cellwright", L"Zenda Utilities Website"}, true},
        {"no Excel running: Excel 2003 is started", nullptr, L"11.0", 0, 0, {}, false},
        {"no Excel running: Excel 2007 is started", nullptr, L"12.0", 0, 0,
         Captions{L"Cellwright", L"Zenda Utilities Website"}, true},
    };
    ASSERT_EQ(m_register(), S_OK);
    const long liveBefore = host::LiveObjects();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host::ExcelServer server;
        ASSERT_TRUE(server.Registered());
        auto prepare = [&](host::Excel& excel) {
            excel.SetVersion(c.running ? c.running : c.version);
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
        ASSERT_EQ(server.Started().size(), c.running ? 0u : 1u);
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

}  // namespace
