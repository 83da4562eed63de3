#include "addin/legacymenu/NewProcessWatch.h"

#include <algorithm>

#include "framework/Trace.h"

namespace {

constexpr DWORD kEndWait = 2000;

std::vector<PROCESSENTRY32W> AllProcesses() {
    std::vector<PROCESSENTRY32W> all;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return all;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        all.push_back(entry);
    CloseHandle(snapshot);
    return all;
}

bool NameIs(const wchar_t* name, const wchar_t* wanted) {
    return CompareStringOrdinal(name, -1, wanted, -1, TRUE) == CSTR_EQUAL;
}

bool InThisSession(DWORD id) {
    DWORD own = 0;
    DWORD theirs = 0;
    return ProcessIdToSessionId(GetCurrentProcessId(), &own) && ProcessIdToSessionId(id, &theirs) && own == theirs;
}

// Windows starts an automation server from the DCOM launcher service's svchost.exe; Wine from rpcss.exe or
// from the client process itself.
bool StartedByComLauncher(DWORD parent, const std::vector<PROCESSENTRY32W>& all) {
    if (parent == GetCurrentProcessId()) return true;
    for (const PROCESSENTRY32W& entry : all)
        if (entry.th32ProcessID == parent)
            return NameIs(entry.szExeFile, L"svchost.exe") || NameIs(entry.szExeFile, L"rpcss.exe");
    return false;
}

void End(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) return;
    framework::Trace(L"unregistration ends the Excel it started, process " + std::to_wstring(id));
    if (TerminateProcess(process, ERROR_TIMEOUT)) WaitForSingleObject(process, kEndWait);
    CloseHandle(process);
}

}  // namespace

NewProcessWatch::NewProcessWatch(std::wstring fileName) : m_fileName(std::move(fileName)) {
    if (m_fileName.empty()) return;
    for (const PROCESSENTRY32W& entry : AllProcesses())
        if (NameIs(entry.szExeFile, m_fileName.c_str())) m_before.push_back(entry.th32ProcessID);
}

std::vector<PROCESSENTRY32W> NewProcessWatch::NewProcesses() const {
    std::vector<PROCESSENTRY32W> found;
    if (m_fileName.empty()) return found;
    for (const PROCESSENTRY32W& entry : AllProcesses())
        if (entry.th32ProcessID != GetCurrentProcessId() && NameIs(entry.szExeFile, m_fileName.c_str()) &&
            std::find(m_before.begin(), m_before.end(), entry.th32ProcessID) == m_before.end())
            found.push_back(entry);
    return found;
}

void NewProcessWatch::EndStartedProcess(DWORD known) const noexcept {
    try {
        const std::vector<PROCESSENTRY32W> fresh = NewProcesses();
        if (known != 0) {
            for (const PROCESSENTRY32W& entry : fresh)
                if (entry.th32ProcessID == known) End(known);
            return;
        }
        const std::vector<PROCESSENTRY32W> all = AllProcesses();
        std::vector<DWORD> started;
        for (const PROCESSENTRY32W& entry : fresh)
            if (InThisSession(entry.th32ProcessID) && StartedByComLauncher(entry.th32ParentProcessID, all))
                started.push_back(entry.th32ProcessID);
        if (started.size() == 1)
            End(started.front());
        else if (!started.empty())
            framework::Trace(L"unregistration ends no Excel: " + std::to_wstring(started.size()) +
                             L" came up that COM started, and which is its own cannot be told");
    } catch (...) {
        framework::TraceSwallowed(L"NewProcessWatch::EndStartedProcess");
    }
}
