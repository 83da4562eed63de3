// How Merge Cell Text costs on the stand-in Excel: wall and CPU time, automation calls per cell, writes and
// memory above the sheet, per shape of data, grouping, and with and without merging. Cells are the cells
// holding data. The call log only counts, so that it does not weigh on the memory figures of million-call
// runs. Each run tells the status bar of its progress and its end as the add-in's run does.
//
//   merge_bench                    every case, each in a process of its own so that peaks do not mix
//   merge_bench <shape> <case>     one case in this process (case: grouping x 2 + merging; grouping 0 by row,
//                                  1 by column, 2 in one cell)
//
// Fails nothing: it reports. A run Excel refuses (a joined text longer than a cell holds) says so after its line.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "bench/BenchProcess.h"
#include "host/Address.h"
#include "host/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/merge/MergeSelection.h"
#include "tools/status/RunWithStatus.h"

namespace {

enum class Fill {
    Short,           // a short text in every cell
    EveryThirdBlank,  // as Short, but every third row blank: the rows to merge come in runs of two
    Long,            // 10,000 characters in every cell
};

struct Shape {
    const char* name;
    long rows;
    long columns;
    Fill fill;
    const wchar_t* selection;
};

const Shape kShapes[] = {
    {"1000 x 10", 1000, 10, Fill::Short, L"$A$1:$J$1000"},
    {"1000 x 50", 1000, 50, Fill::Short, L"$A$1:$AX$1000"},
    {"A:C over 100,000 rows", 100000, 3, Fill::Short, L"$A:$C"},
    {"A:C over 99,999 rows, every 3rd row blank", 99999, 3, Fill::EveryThirdBlank, L"$A:$C"},
    {"A:A over 1,000,000 rows", 1000000, 1, Fill::Short, L"$A:$A"},
    {"A:A over 20,000 rows of 10,000 chars", 20000, 1, Fill::Long, L"$A:$A"},
    {"A:B over 20,000 rows of 10,000 chars", 20000, 2, Fill::Long, L"$A:$B"},
};
constexpr int kShapeCount = sizeof(kShapes) / sizeof(kShapes[0]);

struct Grouping {
    const char* name;
    merge::MergeTarget target;
};

const Grouping kGroupings[] = {
    {"by row", merge::MergeTarget::LeftCells},
    {"by column", merge::MergeTarget::TopCells},
    {"in one cell", merge::MergeTarget::TopLeftCell},
};
constexpr int kGroupingCount = sizeof(kGroupings) / sizeof(kGroupings[0]);

void Fill(host::Sheet& sheet, const Shape& shape) {
    const std::wstring longText(10000, L'x');
    for (long r = 1; r <= shape.rows; ++r) {
        if (shape.fill == Fill::EveryThirdBlank && r % 3 == 0) continue;
        for (long c = 1; c <= shape.columns; ++c) {
            std::wstring address = host::ColumnLetters(c) + std::to_wstring(r);
            sheet.SetText(address, shape.fill == Fill::Long
                                       ? longText
                                       : std::wstring(1, static_cast<wchar_t>(L'a' + (r % 26))) + std::to_wstring(c % 10));
        }
    }
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

int RunOne(int shapeIndex, int caseIndex) {
    const Shape& shape = kShapes[shapeIndex];
    const Grouping& grouping = kGroupings[caseIndex / 2];
    const bool merging = caseIndex % 2 == 1;
    auto excel = host::Excel::Create();
    Fill(excel->ActiveSheet(), shape);
    excel->Select(shape.selection);
    host::ComRef<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    const SIZE_T workingSetBefore = bench::Memory().WorkingSetSize;

    merge::MergeRequest request;
    request.target = grouping.target;
    request.separator = L",";
    request.mergeCells = merging;

    const bench::Clocks clocks;
    std::wstring failure;
    status::StatusBarKeeper statusBar(app);
    try {
        status::RunWithStatus(statusBar, L"Merge Cell Text", [&](status::Progress& progress, const status::StatusLines&) {
            merge::MergeSelection(app, request, progress);
            return std::wstring();
        });
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    const double milliseconds = clocks.WallMilliseconds();
    const double cpuMilliseconds = clocks.CpuMilliseconds();
    const PROCESS_MEMORY_COUNTERS after = bench::Memory();

    const double cells = static_cast<double>(shape.rows) * shape.columns;
    const size_t calls = excel->Log().Total();
    std::printf("%-42s %-11s %-5s %8.0f %9.0f %9.0f %8zu %7.4f %7zu %7zu %7.0f %7.1f\n", shape.name, grouping.name,
                merging ? "yes" : "no", cells, milliseconds, cpuMilliseconds, calls, static_cast<double>(calls) / cells,
                excel->Log().Count(L"Range.Value", host::Kind::Put), FormatAndMergeCalls(excel->Log()),
                bench::Megabytes(workingSetBefore), bench::Megabytes(after.PeakWorkingSetSize - workingSetBefore));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, kShapeCount, kGroupingCount * 2, "merge_bench [<shape 0-6> <grouping x 2 + merging, 0-5>]",
        [] {
            std::printf(
                "%d-bit build, separator \",\", target the left, top or top-left cells. Calls are every Invoke the\n"
                "stand-in received during the run; values are Range.Value puts; formats are merges, unmerges, "
                "clears\nand format puts; sheet MB is the working set with the sheet filled; above is the peak "
                "working set\nduring the run less that.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-42s %-11s %-5s %8s %9s %9s %8s %7s %7s %7s %7s %7s\n", "shape", "grouping", "merge", "cells",
                        "ms", "cpu ms", "calls", "c/cell", "values", "formats", "sheet", "above");
        },
        RunOne);
}
