#include "bench/BenchProcess.h"

#include <ole2.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

double ThreadCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

Clocks::Clocks() : m_cpuStart(ThreadCpuMilliseconds()) {
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_start);
}

double Clocks::WallMilliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
}

MemoryPeak::MemoryPeak() {
    // PagefileUsage is the private bytes (Wine leaves PrivateUsage out).
    const PROCESS_MEMORY_COUNTERS counters = Memory();
    m_privateBefore = m_privatePeak = counters.PagefileUsage;
    m_workingSetBefore = m_workingSetPeak = counters.WorkingSetSize;
    m_thread = CreateThread(nullptr, 0, &MemoryPeak::Sample, this, 0, nullptr);
}

MemoryPeak::~MemoryPeak() { Stop(); }

void MemoryPeak::Stop() {
    if (!m_thread) return;
    InterlockedExchange(&m_stop, 1);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
    TakeSample();
}

DWORD WINAPI MemoryPeak::Sample(void* self) {
    auto* peak = static_cast<MemoryPeak*>(self);
    while (!peak->m_stop) {
        peak->TakeSample();
        Sleep(1);
    }
    return 0;
}

void MemoryPeak::TakeSample() {
    const PROCESS_MEMORY_COUNTERS counters = Memory();
    if (counters.PagefileUsage > m_privatePeak) m_privatePeak = counters.PagefileUsage;
    if (counters.WorkingSetSize > m_workingSetPeak) m_workingSetPeak = counters.WorkingSetSize;
}

int EndCase(const std::wstring& failure) {
    if (!failure.empty()) std::printf("  the run failed: %ls\n", failure.c_str());
    std::fflush(stdout);
    return failure.empty() ? 0 : 1;
}

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

int Main(int argc, char** argv, int firstCount, int secondCount, const char* usage,
         const std::function<void()>& printHeader, const std::function<int(int first, int second)>& runOne) {
    OleInitialize(nullptr);
    int result = 0;
    if (argc == 3) {
        const int first = std::atoi(argv[1]);
        const int second = std::atoi(argv[2]);
        if (first >= 0 && first < firstCount && second >= 0 && second < secondCount) {
            result = runOne(first, second);
        } else {
            std::printf("usage: %s\n", usage);
            result = 2;
        }
    } else {
        printHeader();
        for (int first = 0; first < firstCount; ++first)
            for (int second = 0; second < secondCount; ++second)
                RunInChild(std::to_wstring(first) + L" " + std::to_wstring(second));
    }
    OleUninitialize();
    return result;
}

}  // namespace bench
