// What the benchmarks share: each case in a child process of its own, so that memory peaks do not mix, and
// the process's memory and a wall clock.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <string>

namespace bench {

// Runs this program again with the arguments and copies its output to ours.
void RunInChild(const std::wstring& arguments);

PROCESS_MEMORY_COUNTERS Memory();
double Megabytes(SIZE_T bytes);

// Milliseconds since construction.
class Stopwatch {
public:
    Stopwatch();
    double Milliseconds() const;

private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_start{};
};

}  // namespace bench
