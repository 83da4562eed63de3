// What the benchmarks share: each case runs in a process of its own, so that memory peaks do not mix.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <functional>
#include <string>

namespace bench {

double Megabytes(SIZE_T bytes);
PROCESS_MEMORY_COUNTERS Memory();
// User and kernel time of this thread, which a run uses alone: unlike wall time, not stretched by a busy machine.
double ThreadCpuMilliseconds();

// The wall clock and this thread's CPU clock of one run, both started at construction.
class Clocks {
public:
    Clocks();
    double WallMilliseconds() const;
    double CpuMilliseconds() const { return ThreadCpuMilliseconds() - m_cpuStart; }

private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_start{};
    double m_cpuStart;
};

// The memory a run adds to the process, at its highest. Wine's PeakPagefileUsage is no peak: it is the
// private bytes (anonymous resident memory) at the time of asking, and the peak working set counts the filling
// of the sheet too. So a thread of its own samples the private bytes and the working set every millisecond,
// from construction until Stop, and keeps the highest of each.
class MemoryPeak {
public:
    MemoryPeak();
    ~MemoryPeak();
    MemoryPeak(const MemoryPeak&) = delete;
    MemoryPeak& operator=(const MemoryPeak&) = delete;

    void Stop();
    // Bytes with the sheet alone (at construction), and the highest the run took above them.
    SIZE_T PrivateBefore() const { return m_privateBefore; }
    SIZE_T PrivateAdded() const { return m_privatePeak > m_privateBefore ? m_privatePeak - m_privateBefore : 0; }
    SIZE_T WorkingSetAdded() const {
        return m_workingSetPeak > m_workingSetBefore ? m_workingSetPeak - m_workingSetBefore : 0;
    }

private:
    static DWORD WINAPI Sample(void* self);
    void TakeSample();

    SIZE_T m_privateBefore = 0;
    SIZE_T m_workingSetBefore = 0;
    volatile SIZE_T m_privatePeak = 0;
    volatile SIZE_T m_workingSetPeak = 0;
    volatile LONG m_stop = 0;
    HANDLE m_thread = nullptr;
};

// The end of a case's line: the failure, if any, on a line of its own; gives the case's exit code.
int EndCase(const std::wstring& failure);

// Runs this program again with the arguments and copies its output here.
void RunInChild(const std::wstring& arguments);

// A benchmark's main: with two numbers, runs that one case here (usage for numbers out of range);
// without, prints the header and runs every pair of numbers in a child process of its own.
int Main(int argc, char** argv, int firstCount, int secondCount, const char* usage,
         const std::function<void()>& printHeader, const std::function<int(int first, int second)>& runOne);

}  // namespace bench
