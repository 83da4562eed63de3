// How Remove Duplicates costs on the stand-in Excel: wall time, automation calls per cell, writes and peak
// memory of each action over a list of 10 columns where 30% of the rows repeat an earlier row, scattered:
// 1,000 rows selected as a block (row by row) and 200,000 rows selected as whole columns (in blocks).
// Every column is ticked. Cells are the cells of the list.
//
//   duplicates_bench                       every case, each in a process of its own so that peaks do not mix
//   duplicates_bench <case> <action>       one case in this process (case 0 or 1, action 0 Select, 1 Color, 2 Delete)
//
// Fails nothing: it reports.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchProcess.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/duplicates/RemoveDuplicates.h"

namespace {

struct Case {
    const char* name;
    long rows;
    const wchar_t* selection;
};

constexpr long kColumns = 10;
const Case kCases[] = {
    {"1000 x 10, block", 1000, L"$A$1:$J$1000"},
    {"200000 x 10, columns A:J", 200000, L"$A:$J"},
};
constexpr int kCaseCount = sizeof(kCases) / sizeof(kCases[0]);
const char* const kActions[] = {"Select", "Color", "Delete"};

// The same numbers on every run.
class Random {
public:
    std::uint32_t Next(std::uint32_t bound) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33) % bound;
    }

private:
    std::uint64_t m_state = 42;
};

// Row r holds the values of list entry k: texts in seven columns, numbers in three. 30% of the rows take the
// entry of a random earlier row.
long Fill(host::Sheet& sheet, long rows) {
    Random random;
    std::vector<long> entries;
    entries.reserve(static_cast<size_t>(rows));
    long repeats = 0;
    for (long r = 1; r <= rows; ++r) {
        long entry = r;
        if (r > 1 && random.Next(100) < 30) {
            entry = entries[random.Next(static_cast<std::uint32_t>(entries.size()))];
            ++repeats;
        }
        entries.push_back(entry);
        for (long c = 1; c <= kColumns; ++c) {
            host::CellValue value =
                c % 4 == 3 ? host::CellValue::Number(entry * 0.25 + c)
                           : host::CellValue::Text(L"entry " + std::to_wstring(entry) + L" col " + std::to_wstring(c));
            sheet.StoreContent(r, c, value, false, std::wstring(), false, std::nullopt);
        }
    }
    return repeats;
}

int RunOne(int caseIndex, int action) {
    const Case& c = kCases[caseIndex];
    auto excel = host::Excel::Create();
    const long repeats = Fill(excel->ActiveSheet(), c.rows);
    excel->Select(c.selection);
    framework::ComPtr<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    sheet::Range work = app.Selection();
    std::vector<UINT> keyColumns;
    for (UINT k = 0; k < kColumns; ++k) keyColumns.push_back(k);
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    const SIZE_T workingSetBefore = bench::Memory().WorkingSetSize;

    const bench::Clocks clocks;
    std::wstring failure;
    duplicates::DuplicatesResult result;
    try {
        result = duplicates::RunRemoveDuplicates(app, work, keyColumns, static_cast<duplicates::DupAction>(action),
                                                 0x0000FF);
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    const double milliseconds = clocks.WallMilliseconds();
    const double cpuMilliseconds = clocks.CpuMilliseconds();
    const PROCESS_MEMORY_COUNTERS after = bench::Memory();

    const double cells = static_cast<double>(c.rows) * kColumns;
    const size_t calls = excel->Log().Total();
    const size_t writes = excel->Log().Count(L"Range.Value", host::Kind::Put) +
                          excel->Log().Count(L"Interior.Color", host::Kind::Put) +
                          excel->Log().Count(L"Range.Select", host::Kind::Method);
    std::printf("%-7s %-26s %8.0f %9.1f %9.1f %7zu %7.4f %6zu %7ld %7ld %8.1f %8.1f %8.1f\n", kActions[action], c.name,
                cells, milliseconds, cpuMilliseconds, calls, static_cast<double>(calls) / cells, writes, repeats,
                result.rowsActedOn, bench::Megabytes(workingSetBefore), bench::Megabytes(after.PeakWorkingSetSize),
                bench::Megabytes(after.PeakWorkingSetSize - workingSetBefore));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, kCaseCount, 3, "duplicates_bench [<case 0-1> <action 0-2>]",
        [] {
            std::printf(
                "%d-bit build. Every column ticked. Calls: each Invoke the stand-in received during the run\n"
                "(the log only counts). Writes: Value and Interior.Color puts and Select calls. WS before: the\n"
                "working set with the sheet filled; peak WS includes the sheet; added is the peak less WS before.\n"
                "cpu ms: the run's thread alone, which a busy machine does not stretch.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-7s %-26s %8s %9s %9s %7s %7s %6s %7s %7s %8s %8s %8s\n", "action", "data", "cells", "ms",
                        "cpu ms", "calls", "c/cell", "writes", "repeats", "acted", "WS MB", "peak WS", "added");
        },
        RunOne);
}
