#include "tests/installer/Msiexec.h"

#include <msi.h>
#include <msidefs.h>
#include <msiquery.h>

#include <vector>

namespace cwtest {

namespace {

// Closes an MSIHANDLE at the end of its scope.
class MsiHandle {
public:
    MsiHandle() = default;
    ~MsiHandle() {
        if (m_handle) MsiCloseHandle(m_handle);
    }
    MsiHandle(const MsiHandle&) = delete;
    MsiHandle& operator=(const MsiHandle&) = delete;
    MSIHANDLE* Put() { return &m_handle; }
    MSIHANDLE Get() const { return m_handle; }

private:
    MSIHANDLE m_handle = 0;
};

}  // namespace

DWORD RunMsiexec(const std::wstring& arguments) {
    std::wstring commandLine = L"msiexec.exe " + arguments;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return ~0u;
    DWORD exitCode = ~0u;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &exitCode);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::wstring PackageProperty(const std::wstring& packagePath, const std::wstring& property) {
    MsiHandle database, view, record;
    if (MsiOpenDatabaseW(packagePath.c_str(), MSIDBOPEN_READONLY, database.Put()) != ERROR_SUCCESS) return {};
    std::wstring query = L"SELECT `Value` FROM `Property` WHERE `Property` = '" + property + L"'";
    if (MsiDatabaseOpenViewW(database.Get(), query.c_str(), view.Put()) != ERROR_SUCCESS) return {};
    if (MsiViewExecute(view.Get(), 0) != ERROR_SUCCESS) return {};
    if (MsiViewFetch(view.Get(), record.Put()) != ERROR_SUCCESS) return {};
    wchar_t value[256] = {};
    DWORD size = 256;
    if (MsiRecordGetStringW(record.Get(), 1, value, &size) != ERROR_SUCCESS) return {};
    return value;
}

bool PackageAsksForElevation(const std::wstring& packagePath) {
    constexpr INT kNoElevation = 8;
    MsiHandle summary;
    if (MsiGetSummaryInformationW(0, packagePath.c_str(), 0, summary.Put()) != ERROR_SUCCESS) return true;
    UINT type = 0;
    INT wordCount = 0;
    FILETIME time{};
    DWORD size = 0;
    if (MsiSummaryInfoGetPropertyW(summary.Get(), PID_WORDCOUNT, &type, &wordCount, &time, nullptr, &size) !=
        ERROR_SUCCESS)
        return true;
    return (wordCount & kNoElevation) == 0;
}

std::wstring InstalledVersions(const std::wstring& upgradeCode) {
    std::wstring versions;
    wchar_t product[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(upgradeCode.c_str(), 0, i, product) == ERROR_SUCCESS; ++i) {
        wchar_t version[64] = {};
        DWORD size = 64;
        MsiGetProductInfoW(product, INSTALLPROPERTY_VERSIONSTRING, version, &size);
        versions += (versions.empty() ? L"" : L" ") + std::wstring(version);
    }
    return versions;
}

}  // namespace cwtest
