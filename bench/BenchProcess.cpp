#include "bench/BenchProcess.h"

#include <ole2.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

void RunInChild(const std::wstring& arguments) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(path) + L"\" " + arguments;

    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        std::printf("cannot create a pipe (error %lu)\n", GetLastError());
        return;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(path, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        std::printf("cannot start %ls (error %lu)\n", command.c_str(), GetLastError());
        CloseHandle(readEnd);
        return;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        std::fwrite(buffer, 1, read, stdout);
        std::fflush(stdout);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
}

int RunCases(int argc, char** argv, int caseCount, int variantCount, const std::function<void()>& printHeader,
             const std::function<int(int caseIndex, int variant)>& runOne) {
    OleInitialize(nullptr);
    int result = 0;
    if (argc == 3) {
        int caseIndex = std::atoi(argv[1]);
        int variant = std::atoi(argv[2]);
        if (caseIndex >= 0 && caseIndex < caseCount && variant >= 0 && variant < variantCount) {
            result = runOne(caseIndex, variant);
        } else {
            std::printf("usage: %s [<case 0-%d> <variant 0-%d>]\n", argv[0], caseCount - 1, variantCount - 1);
            result = 2;
        }
    } else {
        std::printf("%d-bit build. ", static_cast<int>(sizeof(void*) * 8));
        printHeader();
        for (int caseIndex = 0; caseIndex < caseCount; ++caseIndex)
            for (int variant = 0; variant < variantCount; ++variant)
                RunInChild(std::to_wstring(caseIndex) + L" " + std::to_wstring(variant));
    }
    OleUninitialize();
    return result;
}

int Finish(const std::wstring& failure) {
    if (!failure.empty()) std::printf("  the run failed: %ls\n", failure.c_str());
    std::fflush(stdout);
    return failure.empty() ? 0 : 1;
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

Stopwatch::Stopwatch() {
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_start);
}

double Stopwatch::Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
}

}  // namespace bench
