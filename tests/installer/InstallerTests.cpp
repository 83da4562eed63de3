// The Windows Installer package, installed, repaired, upgraded and removed with msiexec as a user or an IT
// department does it, on a machine nothing else has touched (a fresh Wine prefix of the test's own).
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "addin/commands/ShellOpen.h"
#include "addin/OfficeInterfaces.h"
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/installer/Msiexec.h"
#include "tests/installer/RegistrySnapshot.h"

namespace {

using cwtest::RegistrySnapshot;
using ServerEntry = HRESULT(WINAPI*)();

const std::wstring kPackage = CW_PACKAGE_PATH;
const std::wstring kOlderPackage = CW_OLDER_PACKAGE_PATH;
const std::wstring kDist = CW_DIST_DIR;
const std::wstring kProgId = L"Cellwright.ZendaUtils";
const std::wstring kUserAddinKey = L"Software\\Microsoft\\Office\\Excel\\Addins\\Cellwright.ZendaUtils";
// Every file of the install folder, in the order FilesIn lists them; Excel 2000 to 2003 read the button faces
// and their masks from the DLL's folder.
const std::wstring kInstalledFiles =
    L"cellwright.dll cellwrighthelp.chm changecase.bmp changecasemask.bmp mergecells.bmp mergecellsmask.bmp "
    L"remchars.bmp remcharsmask.bmp remdup.bmp remdupmask.bmp";

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring InstallFolder() {
    wchar_t programFiles[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programFiles);
    return std::wstring(programFiles) + L"\\Zenda Utilities\\Cellwright";
}

bool IsWow64() {
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    return wow64 != FALSE;
}

// Windows Installer's own records of what it installed; they come and go with the product.
bool IsInstallerBookkeeping(std::wstring entry) {
    const std::wstring wow = L"Wow6432Node\\";
    for (size_t at; (at = entry.find(wow)) != std::wstring::npos;) entry.erase(at, wow.size());
    for (const wchar_t* prefix : {L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Installer",
                                  L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                                  L"HKLM\\Software\\Classes\\Installer", L"HKCU\\Software\\Microsoft\\Installer"})
        if (entry.compare(0, std::wcslen(prefix), prefix) == 0) return true;
    return false;
}

// The values (not the bare keys) of a set of entries, with one module path written as <module path>.
RegistrySnapshot ValuesWithModulePath(const RegistrySnapshot& entries, const std::wstring& modulePath) {
    RegistrySnapshot values;
    for (const auto& [entry, value] : entries) {
        if (value == L"(key)" || IsInstallerBookkeeping(entry)) continue;
        values[entry] = lstrcmpiW(value.c_str(), (L"REG_SZ " + modulePath).c_str()) == 0 ? L"REG_SZ <module path>" : value;
    }
    return values;
}

// The per-machine place of a per-user entry: HKCU\Software\X becomes HKLM\Software\X (in the 32-bit view for a
// 32-bit package on 64-bit Windows).
RegistrySnapshot PerMachine(const RegistrySnapshot& entries) {
    const std::wstring user = L"HKCU\\Software\\";
    const std::wstring machine = IsWow64() ? L"HKLM\\Software\\Wow6432Node\\" : L"HKLM\\Software\\";
    RegistrySnapshot mapped;
    for (const auto& [entry, value] : entries)
        mapped[entry.compare(0, user.size(), user) == 0 ? machine + entry.substr(user.size()) : entry] = value;
    return mapped;
}

std::map<std::wstring, std::string> FilesIn(const std::wstring& folder) {
    std::map<std::wstring, std::string> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::wstring name = found.cFileName;
        CharLowerW(name.data());
        std::ifstream in((folder + L"\\" + found.cFileName).c_str(), std::ios::binary);
        files[name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

std::wstring Names(const std::map<std::wstring, std::string>& files) {
    std::wstring names;
    for (const auto& file : files) names += (names.empty() ? L"" : L" ") + file.first;
    return names;
}

// The file version of a binary as "major.minor.build", the form of a package's ProductVersion.
std::wstring FileVersion(const std::wstring& path) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    std::vector<BYTE> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, info.data()) ||
        !VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return L"<no version resource>";
    return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(fixed->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(fixed->dwFileVersionLS));
}

// A text value of a key below `parent`; empty when there is none.
std::wstring TextValue(HKEY parent, const wchar_t* key, const wchar_t* name) {
    wchar_t text[512] = {};
    DWORD size = sizeof(text);
    return RegGetValueW(parent, key, name, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS ? text : L"";
}

// What the machine's installed programs list shows of the product, one line an entry: version, publisher and
// the link to its home page.
std::vector<std::wstring> InstalledProgramsEntries(const std::wstring& displayName) {
    std::vector<std::wstring> entries;
    HKEY uninstall = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0, KEY_READ,
                      &uninstall) != ERROR_SUCCESS)
        return entries;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(uninstall, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (TextValue(uninstall, name, L"DisplayName") != displayName) continue;
        std::wstring shown = TextValue(uninstall, name, L"DisplayVersion");
        for (const wchar_t* value : {L"Publisher", L"URLInfoAbout"}) shown += L" " + TextValue(uninstall, name, value);
        entries.push_back(shown);
    }
    RegCloseKey(uninstall);
    return entries;
}

ServerEntry Export(HMODULE module, const char* name) {
    return reinterpret_cast<ServerEntry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// What DllRegisterServer of the built DLL writes, found by registering and unregistering it once.
RegistrySnapshot WhatRegistrationWrites(const RegistrySnapshot& before, std::wstring& modulePath) {
    modulePath = kDist + L"\\cellwright.dll";
    HMODULE module = LoadLibraryW(modulePath.c_str());
    if (!module) return {};
    RegistrySnapshot written;
    if (Export(module, "DllRegisterServer")() == S_OK) written = cwtest::Compare(before, cwtest::SnapshotSoftware()).written;
    Export(module, "DllUnregisterServer")();
    FreeLibrary(module);
    return written;
}

class InstallerPackage : public testing::Test {
protected:
    void SetUp() override {
        m_upgradeCode = cwtest::PackageProperty(kPackage, L"UpgradeCode");
        ASSERT_FALSE(m_upgradeCode.empty()) << "cannot read " << std::string(kPackage.begin(), kPackage.end());
        ASSERT_EQ(cwtest::InstalledVersions(m_upgradeCode), L"") << "the machine must start without the product";
        // Excel's own list of add-ins of this user, as on a machine with Excel.
        HKEY addins = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\Addins", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &addins, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(addins);
        m_before = cwtest::SnapshotSoftware();
    }
    void TearDown() override {
        if (!cwtest::InstalledVersions(m_upgradeCode).empty()) cwtest::RunMsiexec(L"/x " + Quoted(kPackage) + L" /qn");
        EXPECT_EQ(host::LiveObjects(), 0);
    }

    static DWORD Install(const std::wstring& package) { return cwtest::RunMsiexec(L"/i " + Quoted(package) + L" /qn"); }
    static DWORD Uninstall(const std::wstring& package) { return cwtest::RunMsiexec(L"/x " + Quoted(package) + L" /qn"); }

    // Nothing of the product is left: no file, no folder, no key or value that was not there before.
    void ExpectNothingLeft() {
        cwtest::RegistryChanges changes = cwtest::Compare(m_before, cwtest::SnapshotSoftware());
        EXPECT_EQ(cwtest::Listing(changes.written), L"  (nothing)\n") << "entries left behind";
        EXPECT_EQ(cwtest::Listing(changes.removed), L"  (nothing)\n") << "entries that were there before and went";
        EXPECT_EQ(GetFileAttributesW(InstallFolder().c_str()), INVALID_FILE_ATTRIBUTES) << "the install folder stays";
        EXPECT_EQ(GetFileAttributesW((InstallFolder() + L"\\..").c_str()), INVALID_FILE_ATTRIBUTES)
            << "the Zenda Utilities folder stays";
        EXPECT_EQ(cwtest::InstalledVersions(m_upgradeCode), L"");
        EXPECT_EQ(InstalledProgramsEntries(L"Zenda Utilities Cellwright").size(), 0u);
    }

    std::wstring m_upgradeCode;
    RegistrySnapshot m_before;
};

TEST_F(InstallerPackage, installing_puts_dist_in_program_files_with_the_entries_registration_writes_for_every_user) {
    std::wstring builtDll;
    RegistrySnapshot registration = PerMachine(ValuesWithModulePath(WhatRegistrationWrites(m_before, builtDll), builtDll));
    ASSERT_FALSE(registration.empty()) << "DllRegisterServer of " << std::string(builtDll.begin(), builtDll.end())
                                       << " wrote nothing";

    ASSERT_EQ(Install(kPackage), 0u);
    const std::wstring installedDll = InstallFolder() + L"\\cellwright.dll";
    RegistrySnapshot installed =
        ValuesWithModulePath(cwtest::Compare(m_before, cwtest::SnapshotSoftware()).written, installedDll);
    EXPECT_EQ(cwtest::Listing(installed), cwtest::Listing(registration))
        << "the package writes what DllRegisterServer writes, the add-in key per machine";

    auto files = FilesIn(InstallFolder());
    EXPECT_EQ(Names(files), kInstalledFiles) << "the DLL, its help file, and the legacy menu's faces and masks";
    EXPECT_TRUE(files == FilesIn(kDist))
        << "the installed files are the built ones (build the package again after a build)";

    const std::wstring version = cwtest::PackageProperty(kPackage, L"ProductVersion");
    EXPECT_EQ(version, CW_VERSION);
    EXPECT_EQ(FileVersion(installedDll), version) << "the DLL's version resource and the package agree";
    EXPECT_EQ(cwtest::InstalledVersions(m_upgradeCode), version);
    EXPECT_EQ(InstalledProgramsEntries(L"Zenda Utilities Cellwright"),
              std::vector<std::wstring>{version + L" Zenda Utilities " + kHomePageAddress});
}

TEST_F(InstallerPackage, excel_creates_the_installed_add_in_by_its_prog_id_and_connects_it) {
    ASSERT_EQ(Install(kPackage), 0u);
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(kProgId.c_str(), &clsid), S_OK);
    {
        auto excel = host::Excel::Create();
        IDTExtensibility2* addin = nullptr;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2,
                                   reinterpret_cast<void**>(&addin)),
                  S_OK);
        wchar_t loaded[MAX_PATH] = {};
        GetModuleFileNameW(GetModuleHandleW(L"cellwright.dll"), loaded, MAX_PATH);
        EXPECT_EQ(lstrcmpiW(loaded, (InstallFolder() + L"\\cellwright.dll").c_str()), 0)
            << "loaded from " << std::string(loaded, loaded + lstrlenW(loaded));
        framework::ComPtr<IDispatch> app = excel->Application();
        EXPECT_EQ(addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), S_OK);
        EXPECT_EQ(addin->OnStartupComplete(nullptr), S_OK);
        EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
        EXPECT_EQ(addin->Release(), 0u);
    }
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_EQ(GetModuleHandleW(L"cellwright.dll"), nullptr) << "the DLL is unloaded, so that it can be removed";
}

TEST_F(InstallerPackage, repair_puts_back_a_deleted_file_and_value_and_removing_leaves_nothing) {
    ASSERT_EQ(Install(kPackage), 0u);
    const std::wstring machineAddinKey = L"Software\\Microsoft\\Office\\Excel\\Addins\\Cellwright.ZendaUtils";
    for (const wchar_t* file : {L"cellwrighthelp.chm", L"remdupmask.bmp"})
        ASSERT_TRUE(DeleteFileW((InstallFolder() + L"\\" + file).c_str()));
    ASSERT_EQ(RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, machineAddinKey.c_str(), L"LoadBehavior"), ERROR_SUCCESS);
    // The repair that "msiexec /fomus" asks for, in the form Wine's msiexec also understands.
    EXPECT_EQ(cwtest::RunMsiexec(L"/i " + Quoted(kPackage) + L" REINSTALL=ALL REINSTALLMODE=omus /qn"), 0u);
    EXPECT_EQ(Names(FilesIn(InstallFolder())), kInstalledFiles) << "the help file and the mask are back";
    DWORD loadBehavior = 0xdeadbeef, size = sizeof(loadBehavior);
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, machineAddinKey.c_str(), L"LoadBehavior", RRF_RT_REG_DWORD, nullptr,
                           &loadBehavior, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(loadBehavior, 3u);

    // A user who also registered the installed DLL for themselves: removal runs the add-in's unregistration,
    // which takes that along with the legacy menu.
    HMODULE module = LoadLibraryW((InstallFolder() + L"\\cellwright.dll").c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(Export(module, "DllRegisterServer")(), S_OK);
    FreeLibrary(module);
    HKEY userKey = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kUserAddinKey.c_str(), 0, KEY_READ, &userKey), ERROR_SUCCESS);
    RegCloseKey(userKey);

    EXPECT_EQ(Uninstall(kPackage), 0u);
    ExpectNothingLeft();
}

TEST_F(InstallerPackage, an_upgrade_replaces_the_earlier_version_and_a_downgrade_is_refused) {
    const std::wstring olderVersion = cwtest::PackageProperty(kOlderPackage, L"ProductVersion");
    const std::wstring version = cwtest::PackageProperty(kPackage, L"ProductVersion");
    ASSERT_EQ(cwtest::PackageProperty(kOlderPackage, L"UpgradeCode"), m_upgradeCode);
    ASSERT_NE(cwtest::PackageProperty(kOlderPackage, L"ProductCode"), cwtest::PackageProperty(kPackage, L"ProductCode"));

    ASSERT_EQ(Install(kOlderPackage), 0u);
    EXPECT_EQ(cwtest::InstalledVersions(m_upgradeCode), olderVersion);
    RegistrySnapshot olderEntries = cwtest::SnapshotSoftware();

    EXPECT_EQ(Install(kPackage), 0u);
    EXPECT_EQ(cwtest::InstalledVersions(m_upgradeCode), version) << "the earlier version is gone";
    EXPECT_EQ(InstalledProgramsEntries(L"Zenda Utilities Cellwright").size(), 1u);
    EXPECT_TRUE(FilesIn(InstallFolder()) == FilesIn(kDist)) << "the install folder holds what dist holds";
    EXPECT_EQ(cwtest::Listing(ValuesWithModulePath(cwtest::Compare(olderEntries, cwtest::SnapshotSoftware()).written,
                                                   L"")),
              L"  (nothing)\n")
        << "the add-in's entries are the same after the upgrade";
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, (kProgId + L"\\CLSID").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS)
        << "the ProgID survives the removal of the earlier version";
    RegCloseKey(key);

    EXPECT_NE(Install(kOlderPackage), 0u) << "installing the earlier version over the later one";
    EXPECT_EQ(cwtest::InstalledVersions(m_upgradeCode), version);
    EXPECT_TRUE(FilesIn(InstallFolder()) == FilesIn(kDist));

    EXPECT_EQ(Uninstall(kPackage), 0u);
    ExpectNothingLeft();
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr);
    int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
