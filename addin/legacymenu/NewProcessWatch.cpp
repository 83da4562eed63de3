#include "addin/legacymenu/NewProcessWatch.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

constexpr DWORD kEndWait = 2000;

}  // namespace

NewProcessWatch::NewProcessWatch(std::wstring fileName) : m_fileName(std::move(fileName)) { m_before = ProcessesNow(); }

std::vector<DWORD> NewProcessWatch::ProcessesNow() const {
    std::vector<DWORD> ids;
    if (m_fileName.empty()) return ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != GetCurrentProcessId() &&
            CompareStringOrdinal(entry.szExeFile, -1, m_fileName.c_str(), -1, TRUE) == CSTR_EQUAL)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

void NewProcessWatch::EndNewProcesses() const noexcept {
    try {
        for (DWORD id : ProcessesNow()) {
            if (std::find(m_before.begin(), m_before.end(), id) != m_before.end()) continue;
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            if (!process) continue;
            if (TerminateProcess(process, ERROR_TIMEOUT)) WaitForSingleObject(process, kEndWait);
            CloseHandle(process);
        }
    } catch (...) {
        // What cannot be listed cannot be ended.
    }
}
