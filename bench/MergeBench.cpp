// How Merge Cell Text costs on the stand-in Excel: wall time, automation calls per cell, writes and peak
// memory for 1,000 rows by 10 columns of two-character texts, per grouping, with and without merging.
//
//   merge_bench                       every case, each in a process of its own so that peaks do not mix
//   merge_bench <grouping> <merging>  one case in this process (grouping 0 by row, 1 by column, 2 in one cell;
//                                     merging 0 or 1)
//
// Fails nothing: it reports.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "bench/BenchProcess.h"
#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/merge/MergeSelection.h"

namespace {

constexpr long kRows = 1000;
constexpr long kColumns = 10;

struct Grouping {
    const char* name;
    merge::MergeTarget target;
};

// Two characters a text and a one-character separator keep the whole block within one cell's 32,767.
const Grouping kGroupings[] = {
    {"row by row (left cells)", merge::MergeTarget::LeftCells},
    {"column by column (top cells)", merge::MergeTarget::TopCells},
    {"in one cell (top-left)", merge::MergeTarget::TopLeftCell},
};
constexpr int kGroupingCount = sizeof(kGroupings) / sizeof(kGroupings[0]);

void Fill(host::Sheet& sheet) {
    for (long r = 1; r <= kRows; ++r)
        for (long c = 1; c <= kColumns; ++c)
            sheet.SetText(host::ColumnLetters(c) + std::to_wstring(r),
                          std::wstring(1, static_cast<wchar_t>(L'a' + (r % 26))) + std::to_wstring(c % 10));
}

size_t FormatAndMergeCalls(const host::CallLog& log) {
    size_t calls = 0;
    for (const wchar_t* name :
         {L"Range.WrapText", L"Range.HorizontalAlignment", L"Range.VerticalAlignment", L"Range.ColumnWidth"})
        calls += log.Count(name, host::Kind::Put);
    for (const wchar_t* name : {L"Range.Merge", L"Range.UnMerge", L"Range.ClearContents"})
        calls += log.Count(name, host::Kind::Method);
    return calls;
}

int RunOne(int grouping, bool merging) {
    auto excel = host::Excel::Create();
    Fill(excel->ActiveSheet());
    excel->Select(L"$A$1:$J$1000");
    framework::ComPtr<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    const SIZE_T workingSetBefore = bench::Memory().WorkingSetSize;

    merge::MergeRequest request;
    request.target = kGroupings[grouping].target;
    request.separator = L",";
    request.mergeCells = merging;

    const bench::Clocks clocks;
    std::wstring failure;
    try {
        merge::MergeSelection(app, request);
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    const double milliseconds = clocks.WallMilliseconds();
    const double cpuMilliseconds = clocks.CpuMilliseconds();
    const PROCESS_MEMORY_COUNTERS after = bench::Memory();

    const double cells = static_cast<double>(kRows) * kColumns;
    const size_t calls = excel->Log().Total();
    std::printf("%-30s %-5s %7.0f %9.1f %9.1f %9zu %6.2f %8zu %8zu %8.1f %8.1f %8.1f\n", kGroupings[grouping].name,
                merging ? "yes" : "no", cells, milliseconds, cpuMilliseconds, calls, static_cast<double>(calls) / cells,
                excel->Log().Count(L"Range.Value", host::Kind::Put), FormatAndMergeCalls(excel->Log()),
                bench::Megabytes(workingSetBefore), bench::Megabytes(after.PeakWorkingSetSize),
                bench::Megabytes(after.PeakPagefileUsage));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, kGroupingCount, 2, "merge_bench [<grouping 0-2> <merging 0-1>]",
        [] {
            std::printf(
                "%d-bit build, %ld rows x %ld columns. Calls are every Invoke the stand-in received during "
                "the\nrun; values are Range.Value puts; formats are merges, unmerges, clears and format "
                "puts;\nWS before is the working set with the sheet filled; peaks include the sheet (the log only "
                "counts).\n\n",
                static_cast<int>(sizeof(void*) * 8), kRows, kColumns);
            std::printf("%-30s %-5s %7s %9s %9s %9s %6s %8s %8s %8s %8s %8s\n", "grouping", "merge", "cells", "ms",
                        "cpu ms", "calls", "c/cell", "values", "formats", "WS MB", "peak WS", "peak PF");
        },
        [](int grouping, int merging) { return RunOne(grouping, merging == 1); });
}
