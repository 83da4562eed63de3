// The Windows Installer packages, for every user and for one user, installed, repaired, upgraded and removed
// with msiexec as a user or an IT department does it, on a machine nothing else has touched (a fresh Wine
// prefix of the test's own); and both kinds on one computer.
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

const std::wstring kDist = CW_DIST_DIR;
const std::wstring kProgId = L"Cellwright.ZendaUtils";
const std::wstring kAddinKey = L"Software\\Microsoft\\Office\\Excel\\Addins\\Cellwright.ZendaUtils";
const std::wstring kUserClassKey = L"Software\\Classes\\CLSID\\{6A3F2C71-5B0E-4D8A-9C1E-2F7B8E4D5A10}";

// The two kinds of package: for every user of the computer, and for the user who installs it.
struct PackageKind {
    const char* name;
    bool perUser;
    const wchar_t* package;
    const wchar_t* olderPackage;
};
const PackageKind kForEveryUser{"for_every_user", false, CW_PACKAGE_PATH, CW_OLDER_PACKAGE_PATH};
const PackageKind kForOneUser{"for_one_user", true, CW_USER_PACKAGE_PATH, CW_OLDER_USER_PACKAGE_PATH};
// Every file of the install folder, in the order FilesIn lists them; Excel 2000 to 2003 read the button faces
// and their masks from the DLL's folder.
const std::wstring kInstalledFiles =
    L"cellwright.dll cellwrighthelp.chm changecase.bmp changecasemask.bmp mergecells.bmp mergecellsmask.bmp "
    L"remchars.bmp remcharsmask.bmp remdup.bmp remdupmask.bmp";

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// Program Files for every user; the user's own programs folder, as Windows has it, for one user.
std::wstring InstallFolder(const PackageKind& kind) {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, kind.perUser ? CSIDL_LOCAL_APPDATA : CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT,
                     folder);
    return std::wstring(folder) + (kind.perUser ? L"\\Programs" : L"") + L"\\Zenda Utilities\\Cellwright";
}

HKEY AddinRoot(const PackageKind& kind) { return kind.perUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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
                                  L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
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

// Where a package puts what DllRegisterServer writes. For every user, the user's add-in key goes per machine:
// HKCU\Software\X becomes HKLM\Software\X (in the 32-bit view for a 32-bit package on 64-bit Windows). For one
// user, the classes go to the user's own: HKLM\Software\[Wow6432Node\]Classes\X becomes HKCU\Software\Classes\X.
RegistrySnapshot WhereThePackageWrites(const PackageKind& kind, const RegistrySnapshot& entries) {
    const std::wstring from = kind.perUser ? L"HKLM\\Software\\Classes\\" : L"HKCU\\Software\\";
    const std::wstring to = kind.perUser ? L"HKCU\\Software\\Classes\\"
                                         : IsWow64() ? L"HKLM\\Software\\Wow6432Node\\" : L"HKLM\\Software\\";
    RegistrySnapshot mapped;
    for (const auto& [original, value] : entries) {
        std::wstring entry = original;
        const std::wstring wow = L"Wow6432Node\\";
        for (size_t at; kind.perUser && (at = entry.find(wow)) != std::wstring::npos;) entry.erase(at, wow.size());
        mapped[entry.compare(0, from.size(), from) == 0 ? to + entry.substr(from.size()) : entry] = value;
    }
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
// (Programs installed for one user are listed under HKCU on Windows, under HKLM by Wine.)
std::vector<std::wstring> InstalledProgramsEntries(const std::wstring& displayName) {
    std::vector<std::wstring> entries;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        HKEY uninstall = nullptr;
        if (RegOpenKeyExW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0, KEY_READ,
                          &uninstall) != ERROR_SUCCESS)
            continue;
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(uninstall, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            if (TextValue(uninstall, name, L"DisplayName") != displayName) continue;
            std::wstring shown = TextValue(uninstall, name, L"DisplayVersion");
            for (const wchar_t* value : {L"Publisher", L"URLInfoAbout"})
                shown += L" " + TextValue(uninstall, name, value);
            entries.push_back(shown);
        }
        RegCloseKey(uninstall);
    }
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

// Starts every test on a machine without the product, with Excel's own list of add-ins of this user as on a
// machine with Excel and another add-in; takes away whatever a failed test left installed.
class CleanMachine : public testing::Test {
protected:
    void SetUp() override {
        for (const PackageKind* kind : {&kForEveryUser, &kForOneUser}) {
            std::wstring code = cwtest::PackageProperty(kind->package, L"UpgradeCode");
            ASSERT_FALSE(code.empty()) << "cannot read the package " << kind->name;
            ASSERT_EQ(cwtest::InstalledVersions(code), L"") << "the machine must start without the product";
            m_upgradeCodes.push_back(code);
        }
        // Another add-in in Excel's list, which stays whatever is installed and removed.
        HKEY other = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\Addins\\Other.Addin", 0,
                                  nullptr, 0, KEY_ALL_ACCESS, nullptr, &other, nullptr),
                  ERROR_SUCCESS);
        const DWORD loadAtStartup = 3;
        RegSetValueExW(other, L"LoadBehavior", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&loadAtStartup),
                       sizeof(loadAtStartup));
        RegCloseKey(other);
        m_before = cwtest::SnapshotSoftware();
    }
    void TearDown() override {
        for (const PackageKind* kind : {&kForOneUser, &kForEveryUser})
            if (IsInstalled(*kind)) Uninstall(kind->package);
        EXPECT_EQ(host::LiveObjects(), 0);
    }

    static DWORD Install(const std::wstring& package) { return cwtest::RunMsiexec(L"/i " + Quoted(package) + L" /qn"); }
    static DWORD Uninstall(const std::wstring& package) { return cwtest::RunMsiexec(L"/x " + Quoted(package) + L" /qn"); }
    // The repair that "msiexec /fomus" asks for, in the form Wine's msiexec also understands.
    static DWORD Repair(const std::wstring& package) {
        return cwtest::RunMsiexec(L"/i " + Quoted(package) + L" REINSTALL=ALL REINSTALLMODE=omus /qn");
    }
    bool IsInstalled(const PackageKind& kind) const {
        return !cwtest::InstalledVersions(m_upgradeCodes[kind.perUser ? 1 : 0]).empty();
    }

    // Nothing of the product is left: no file, no folder, no key or value that was not there before.
    void ExpectNothingLeft() {
        cwtest::RegistryChanges changes = cwtest::Compare(m_before, cwtest::SnapshotSoftware());
        // Windows Installer may keep its own emptied keys.
        for (auto at = changes.written.begin(); at != changes.written.end();)
            at = IsInstallerBookkeeping(at->first) ? changes.written.erase(at) : std::next(at);
        EXPECT_EQ(cwtest::Listing(changes.written), L"  (nothing)\n") << "entries left behind";
        EXPECT_EQ(cwtest::Listing(changes.removed), L"  (nothing)\n") << "entries that were there before and went";
        for (const PackageKind* kind : {&kForEveryUser, &kForOneUser}) {
            EXPECT_FALSE(Exists(InstallFolder(*kind))) << "the install folder stays, " << kind->name;
            EXPECT_FALSE(Exists(InstallFolder(*kind) + L"\\..")) << "the Zenda Utilities folder stays, " << kind->name;
            EXPECT_FALSE(IsInstalled(*kind)) << kind->name;
        }
        EXPECT_FALSE(Exists(InstallFolder(kForOneUser) + L"\\..\\..")) << "the user's programs folder stays";
        EXPECT_EQ(InstalledProgramsEntries(L"Zenda Utilities Cellwright").size(), 0u);
    }

    std::vector<std::wstring> m_upgradeCodes;
    RegistrySnapshot m_before;
};

// One table over the packages: each test runs for the package for every user and the one for one user.
class InstallerPackage : public CleanMachine, public testing::WithParamInterface<PackageKind> {
protected:
    const PackageKind& Kind() const { return GetParam(); }
    std::wstring Package() const { return Kind().package; }
    std::wstring Folder() const { return InstallFolder(Kind()); }
};

TEST_P(InstallerPackage, installing_puts_dist_in_its_folder_with_the_entries_registration_writes) {
    std::wstring builtDll;
    RegistrySnapshot registration =
        WhereThePackageWrites(Kind(), ValuesWithModulePath(WhatRegistrationWrites(m_before, builtDll), builtDll));
    ASSERT_FALSE(registration.empty()) << "DllRegisterServer of " << std::string(builtDll.begin(), builtDll.end())
                                       << " wrote nothing";
    EXPECT_EQ(cwtest::PackageProperty(Package(), L"ALLUSERS"), Kind().perUser ? L"" : L"1");
    EXPECT_EQ(cwtest::PackageAsksForElevation(Package()), !Kind().perUser);

    ASSERT_EQ(Install(Package()), 0u);
    const std::wstring installedDll = Folder() + L"\\cellwright.dll";
    RegistrySnapshot installed =
        ValuesWithModulePath(cwtest::Compare(m_before, cwtest::SnapshotSoftware()).written, installedDll);
    EXPECT_EQ(cwtest::Listing(installed), cwtest::Listing(registration))
        << "the package writes what DllRegisterServer writes, in the places of its kind";

    auto files = FilesIn(Folder());
    EXPECT_EQ(Names(files), kInstalledFiles) << "the DLL, its help file, and the legacy menu's faces and masks";
    EXPECT_TRUE(files == FilesIn(kDist))
        << "the installed files are the built ones (build the package again after a build)";

    const std::wstring version = cwtest::PackageProperty(Package(), L"ProductVersion");
    EXPECT_EQ(version, CW_VERSION);
    EXPECT_EQ(FileVersion(installedDll), version) << "the DLL's version resource and the package agree";
    EXPECT_TRUE(IsInstalled(Kind()));
    EXPECT_EQ(InstalledProgramsEntries(L"Zenda Utilities Cellwright"),
              std::vector<std::wstring>{version + L" Zenda Utilities " + kHomePageAddress});
}

// Creates the add-in as Excel does, by its ProgID. COM looks into the user's classes before the machine's;
// Wine's COM reads only the machine's, so for one user the test follows the user's classes to the DLL itself.
// The DLL it loads itself is in `module`, for the caller to free once the add-in is released.
HRESULT CreateAddin(const PackageKind& kind, IDTExtensibility2** addin, HMODULE* module) {
    *module = nullptr;
    if (!kind.perUser) {
        CLSID clsid{};
        HRESULT found = CLSIDFromProgID(kProgId.c_str(), &clsid);
        if (FAILED(found)) return found;
        return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2,
                                reinterpret_cast<void**>(addin));
    }
    CLSID clsid{};
    std::wstring clsidText = TextValue(HKEY_CURRENT_USER, (L"Software\\Classes\\" + kProgId + L"\\CLSID").c_str(), nullptr);
    if (CLSIDFromString(clsidText.c_str(), &clsid) != S_OK) return REGDB_E_CLASSNOTREG;
    std::wstring server =
        TextValue(HKEY_CURRENT_USER, (L"Software\\Classes\\CLSID\\" + clsidText + L"\\InprocServer32").c_str(), nullptr);
    *module = LoadLibraryW(server.c_str());
    if (!*module) return REGDB_E_CLASSNOTREG;
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void (*)()>(GetProcAddress(*module, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    HRESULT created = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (SUCCEEDED(created)) {
        created = factory->CreateInstance(nullptr, IID_IDTExtensibility2, reinterpret_cast<void**>(addin));
        factory->Release();
    }
    return created;
}

TEST_P(InstallerPackage, excel_creates_the_installed_add_in_by_its_prog_id_and_connects_it) {
    ASSERT_EQ(Install(Package()), 0u);
    HMODULE module = nullptr;
    {
        auto excel = host::Excel::Create();
        IDTExtensibility2* addin = nullptr;
        ASSERT_EQ(CreateAddin(Kind(), &addin, &module), S_OK);
        wchar_t loaded[MAX_PATH] = {};
        GetModuleFileNameW(GetModuleHandleW(L"cellwright.dll"), loaded, MAX_PATH);
        EXPECT_EQ(lstrcmpiW(loaded, (Folder() + L"\\cellwright.dll").c_str()), 0)
            << "loaded from " << std::string(loaded, loaded + lstrlenW(loaded));
        framework::ComPtr<IDispatch> app = excel->Application();
        EXPECT_EQ(addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), S_OK);
        EXPECT_EQ(addin->OnStartupComplete(nullptr), S_OK);
        EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
        EXPECT_EQ(addin->Release(), 0u);
    }
    if (module) FreeLibrary(module);
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_EQ(GetModuleHandleW(L"cellwright.dll"), nullptr) << "the DLL is unloaded, so that it can be removed";
}

TEST_P(InstallerPackage, repair_puts_back_a_deleted_file_and_value_and_removing_leaves_nothing) {
    ASSERT_EQ(Install(Package()), 0u);
    for (const wchar_t* file : {L"cellwrighthelp.chm", L"remdupmask.bmp"})
        ASSERT_TRUE(DeleteFileW((Folder() + L"\\" + file).c_str()));
    ASSERT_EQ(RegDeleteKeyValueW(AddinRoot(Kind()), kAddinKey.c_str(), L"LoadBehavior"), ERROR_SUCCESS);
    EXPECT_EQ(Repair(Package()), 0u);
    EXPECT_EQ(Names(FilesIn(Folder())), kInstalledFiles) << "the help file and the mask are back";
    DWORD loadBehavior = 0xdeadbeef, size = sizeof(loadBehavior);
    EXPECT_EQ(RegGetValueW(AddinRoot(Kind()), kAddinKey.c_str(), L"LoadBehavior", RRF_RT_REG_DWORD, nullptr,
                           &loadBehavior, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(loadBehavior, 3u);

    // A user who also registered the installed DLL for themselves: removal runs the add-in's unregistration,
    // which takes that along with the legacy menu.
    HMODULE module = LoadLibraryW((Folder() + L"\\cellwright.dll").c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(Export(module, "DllRegisterServer")(), S_OK);
    FreeLibrary(module);
    ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kAddinKey));

    EXPECT_EQ(Uninstall(Package()), 0u);
    ExpectNothingLeft();
}

TEST_P(InstallerPackage, an_upgrade_replaces_the_earlier_version_and_a_downgrade_is_refused) {
    const std::wstring olderPackage = Kind().olderPackage;
    const std::wstring olderVersion = cwtest::PackageProperty(olderPackage, L"ProductVersion");
    const std::wstring version = cwtest::PackageProperty(Package(), L"ProductVersion");
    const std::wstring upgradeCode = cwtest::PackageProperty(Package(), L"UpgradeCode");
    ASSERT_EQ(cwtest::PackageProperty(olderPackage, L"UpgradeCode"), upgradeCode);
    ASSERT_NE(cwtest::PackageProperty(olderPackage, L"ProductCode"), cwtest::PackageProperty(Package(), L"ProductCode"));

    ASSERT_EQ(Install(olderPackage), 0u);
    EXPECT_EQ(cwtest::InstalledVersions(upgradeCode), olderVersion);
    RegistrySnapshot olderEntries = cwtest::SnapshotSoftware();

    EXPECT_EQ(Install(Package()), 0u);
    EXPECT_EQ(cwtest::InstalledVersions(upgradeCode), version) << "the earlier version is gone";
    EXPECT_EQ(InstalledProgramsEntries(L"Zenda Utilities Cellwright").size(), 1u);
    EXPECT_TRUE(FilesIn(Folder()) == FilesIn(kDist)) << "the install folder holds what dist holds";
    EXPECT_EQ(cwtest::Listing(ValuesWithModulePath(cwtest::Compare(olderEntries, cwtest::SnapshotSoftware()).written,
                                                   L"")),
              L"  (nothing)\n")
        << "the add-in's entries are the same after the upgrade";
    EXPECT_TRUE(Kind().perUser ? KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\" + kProgId + L"\\CLSID")
                               : KeyExists(HKEY_CLASSES_ROOT, kProgId + L"\\CLSID"))
        << "the ProgID survives the removal of the earlier version";

    EXPECT_NE(Install(olderPackage), 0u) << "installing the earlier version over the later one";
    EXPECT_EQ(cwtest::InstalledVersions(upgradeCode), version);
    EXPECT_TRUE(FilesIn(Folder()) == FilesIn(kDist));

    EXPECT_EQ(Uninstall(Package()), 0u);
    ExpectNothingLeft();
}

INSTANTIATE_TEST_SUITE_P(Packages, InstallerPackage, testing::Values(kForEveryUser, kForOneUser),
                         [](const testing::TestParamInfo<PackageKind>& info) { return std::string(info.param.name); });

// Both kinds on one computer. The package of either kind refuses to install over the other kind for the user
// who installs it. A copy for every user can still meet a user's own copy (installed by another user before
// it), and removing either then leaves the other one whole: its entries, its files, and its add-in that Excel
// creates. Each row removes one of the two first.
class BothKinds : public CleanMachine, public testing::WithParamInterface<const PackageKind*> {};

TEST_P(BothKinds, neither_installs_over_the_other_and_removing_one_leaves_the_other_whole) {
    ASSERT_EQ(Install(kForOneUser.package), 0u);
    EXPECT_NE(Install(kForEveryUser.package), 0u) << "the package for every user over the user's own copy";
    EXPECT_FALSE(IsInstalled(kForEveryUser));
    EXPECT_FALSE(Exists(InstallFolder(kForEveryUser)));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAddinKey));

    // Another user's own copy, as the copy for every user finds it: not among this user's classes.
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, kUserClassKey.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(Install(kForEveryUser.package), 0u);
    ASSERT_EQ(Repair(kForOneUser.package), 0u);
    ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserClassKey));

    const PackageKind& first = *GetParam();
    const PackageKind& stays = first.perUser ? kForEveryUser : kForOneUser;
    EXPECT_EQ(Uninstall(first.package), 0u);
    EXPECT_FALSE(IsInstalled(first));
    EXPECT_FALSE(Exists(InstallFolder(first)));
    EXPECT_TRUE(KeyExists(AddinRoot(stays), kAddinKey)) << "the add-in key of the copy that stays";
    EXPECT_EQ(Names(FilesIn(InstallFolder(stays))), kInstalledFiles);
    IDTExtensibility2* addin = nullptr;
    HMODULE module = nullptr;
    ASSERT_EQ(CreateAddin(stays, &addin, &module), S_OK) << "Excel creates the copy that stays";
    addin->Release();
    if (module) FreeLibrary(module);
    CoFreeUnusedLibrariesEx(0, 0);

    if (!stays.perUser) {
        EXPECT_NE(Install(kForOneUser.package), 0u) << "the package for one user over the copy for every user";
        EXPECT_FALSE(Exists(InstallFolder(kForOneUser)));
    }
    EXPECT_EQ(Uninstall(stays.package), 0u);
    ExpectNothingLeft();
}

INSTANTIATE_TEST_SUITE_P(RemovingFirst, BothKinds, testing::Values(&kForOneUser, &kForEveryUser),
                         [](const testing::TestParamInfo<const PackageKind*>& info) {
                             return std::string(info.param->name);
                         });

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr);
    int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
