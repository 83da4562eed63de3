// What the benchmarks share: each case in a child process of its own, so that memory peaks do not mix, and
// the process's memory and a wall clock.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <functional>
#include <string>

namespace bench {

// Runs this program again with the arguments and copies its output to ours.
void RunInChild(const std::wstring& arguments);

// A benchmark's main over cases and variants (tools, actions). With two arguments, runs that pair here and
// gives its result; with none, prints the header and runs every pair in a child process of its own.
int RunCases(int argc, char** argv, int caseCount, int variantCount, const std::function<void()>& printHeader,
             const std::function<int(int caseIndex, int variant)>& runOne);

// Ends a case's line of figures: says why the run failed, if it did, and gives the case's result.
int Finish(const std::wstring& failure);

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
