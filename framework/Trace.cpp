#include "framework/Trace.h"

#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <exception>
#include <string>

#include "framework/Exception.h"

namespace framework {

namespace {

constexpr wchar_t kKey[] = L"Software\\Zenda Utilities\\Cellwright";
constexpr DWORD kRollAt = 1u << 20;

// -1 unread, 0 off, 1 on.
std::atomic<int> g_state{-1};
SRWLOCK g_lock = SRWLOCK_INIT;

bool SettingOn(HKEY root) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    return RegGetValueW(root, kKey, L"Trace", RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS && value != 0;
}

std::wstring Folder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::wstring();
    return std::wstring(path) + L"\\Zenda Utilities\\Cellwright";
}

std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                            nullptr);
    return bytes;
}

std::wstring Stamped(const std::wstring& line) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t stamp[64];
    wsprintfW(stamp, L"%04u-%02u-%02u %02u:%02u:%02u.%03u [%lu:%lu] ", now.wYear, now.wMonth, now.wDay, now.wHour,
              now.wMinute, now.wSecond, now.wMilliseconds, GetCurrentProcessId(), GetCurrentThreadId());
    return stamp + line + L"\r\n";
}

void Append(const std::wstring& line) {
    const std::wstring folder = Folder();
    if (folder.empty()) return;
    CreateDirectoryW((folder.substr(0, folder.rfind(L'\\'))).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\trace.log";
    AcquireSRWLockExclusive(&g_lock);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
        (data.nFileSizeHigh || data.nFileSizeLow >= kRollAt))
        MoveFileExW(path.c_str(), (folder + L"\\trace.old.log").c_str(), MOVEFILE_REPLACE_EXISTING);
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const std::string bytes = Utf8(Stamped(line));
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    ReleaseSRWLockExclusive(&g_lock);
}

}  // namespace

void ReadTraceSetting() noexcept { g_state = SettingOn(HKEY_CURRENT_USER) || SettingOn(HKEY_LOCAL_MACHINE) ? 1 : 0; }

bool TraceOn() noexcept {
    if (g_state.load(std::memory_order_relaxed) < 0) ReadTraceSetting();
    return g_state.load(std::memory_order_relaxed) == 1;
}

std::wstring TraceFilePath() { return Folder() + L"\\trace.log"; }

void Trace(const std::wstring& line) noexcept {
    if (!TraceOn()) return;
    try {
        Append(line);
    } catch (...) {
        // A trace that cannot be written is no reason to stop what it traces.
    }
}

void TraceSwallowed(const wchar_t* where) noexcept {
    if (!TraceOn()) return;
    try {
        std::wstring what = L"an exception not of ours";
        try {
            if (std::exception_ptr caught = std::current_exception()) std::rethrow_exception(caught);
        } catch (const CException& error) {
            what = L"\"" + error.Description() + L"\"";
        } catch (const std::exception& error) {
            what = L"a C++ exception (" +
                   std::wstring(error.what(), error.what() + std::char_traits<char>::length(error.what())) + L")";
        } catch (...) {
        }
        Append(std::wstring(L"swallowed in ") + where + L": " + what);
    } catch (...) {
        // As above: the trace never stops what it traces.
    }
}

}  // namespace framework
