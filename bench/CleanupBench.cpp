// How the two text clean-up tools cost on the stand-in Excel: wall time, automation calls per cell, writes
// and peak memory, within the 1000-row limit (blocks of text, the same broken up by formulas and numbers) and
// past it (whole columns and whole rows over big used ranges, with and without scattered formulas). Cells
// are the cells holding data, not all the cells selected. The call log only counts, so that it does not
// weigh on the memory figures of million-call runs. Each run tells the status bar of its progress and its end
// as the add-in's run does; "status" counts those puts among the calls.
//
//   cleanup_bench                     every case, each in a process of its own so that peaks do not mix
//   cleanup_bench <case> <tool>       one case in this process (tool 0 Change Case, 1 Remove Characters)
//
// Fails nothing: it reports.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "bench/BenchProcess.h"
#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/cleanup/RemoveMode.h"
#include "tools/status/RunWithStatus.h"

namespace {

enum class Fill {
    Text,             // every cell a text
    FormulaOrNumber,  // every fifth cell a formula or a number
    Formula997,       // every 997th cell a formula whose result is a text the tools would change
};

struct Case {
    const char* name;
    long rows;
    long columns;
    Fill fill;
    const wchar_t* selection;
};

const Case kCases[] = {
    {"text 1000 x 20", 1000, 20, Fill::Text, L"$A$1:$T$1000"},
    {"1000 x 20, every 5th formula/number", 1000, 20, Fill::FormulaOrNumber, L"$A$1:$T$1000"},
    {"A1:IV1000 selected (within limit)", 1000, 256, Fill::Text, L"$A$1:$IV$1000"},
    {"rows 1:100 whole, text in A1:T100", 100, 20, Fill::Text, L"$1:$100"},
    {"A:C over used A1:C100000", 100000, 3, Fill::Text, L"$A:$C"},
    {"A:Z over used A1:Z50000", 50000, 26, Fill::Text, L"$A:$Z"},
    {"A:A over used A1:A1000000", 1000000, 1, Fill::Text, L"$A:$A"},
    {"rows 1:1000 whole, used A1:IV1000", 1000, 256, Fill::Text, L"$1:$1000"},
    {"A:C over 100000 rows, every 997th formula", 100000, 3, Fill::Formula997, L"$A:$C"},
};
constexpr int kCaseCount = sizeof(kCases) / sizeof(kCases[0]);
const char* const kTools[] = {"Change Case", "Remove Characters"};
const wchar_t* const kToolNames[] = {L"Change Case", L"Remove Characters"};

// Lower-case text with blanks around it, so that both tools change every text cell.
void Fill(host::Sheet& sheet, const Case& c) {
    for (long r = 1; r <= c.rows; ++r) {
        for (long col = 1; col <= c.columns; ++col) {
            std::wstring address = host::ColumnLetters(col) + std::to_wstring(r);
            long index = (r - 1) * c.columns + (col - 1);
            if (c.fill == Fill::FormulaOrNumber && index % 5 == 4) {
                if (index % 10 == 4)
                    sheet.SetFormula(address, L"=ROW()", host::CellValue::Number(r));
                else
                    sheet.SetNumber(address, r + col / 100.0);
                continue;
            }
            if (c.fill == Fill::Formula997 && index % 997 == 996) {
                sheet.SetFormula(address, L"=LOWER(\" formula \")", host::CellValue::Text(L" formula "));
                continue;
            }
            sheet.SetText(address, L" item " + std::to_wstring(r) + L" of column " + host::ColumnLetters(col) + L" ");
        }
    }
}

int RunOne(int caseIndex, int tool) {
    const Case& c = kCases[caseIndex];
    auto excel = host::Excel::Create();
    Fill(excel->ActiveSheet(), c);
    excel->Select(c.selection);
    framework::ComPtr<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    const SIZE_T workingSetBefore = bench::Memory().WorkingSetSize;

    const bench::Clocks clocks;
    std::wstring failure;
    status::StatusBarKeeper statusBar(app);
    try {
        status::RunWithStatus(
            statusBar, kToolNames[tool], [&](status::Progress& progress, const status::StatusLines& lines) {
                long changed =
                    tool == 0 ? cleanup::RunChangeCase(app, cleanup::CaseMode::Upper, progress)
                              : cleanup::RunRemoveCharacters(app, cleanup::RemoveMode::LeadingAndTrailing, progress);
                return lines.CellsChanged(changed, c.selection);
            });
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    const double milliseconds = clocks.WallMilliseconds();
    const double cpuMilliseconds = clocks.CpuMilliseconds();
    const PROCESS_MEMORY_COUNTERS after = bench::Memory();

    const double cells = static_cast<double>(c.rows) * c.columns;
    const size_t calls = excel->Log().Total();
    const size_t writes = excel->Log().Count(L"Range.Value", host::Kind::Put);
    const size_t statusPuts = excel->Log().Count(L"Application.StatusBar", host::Kind::Put);
    std::printf("%-18s %-42s %8.0f %9.1f %9.1f %8zu %6zu %7.4f %8zu %9.1f %7.1f %7.1f %7.1f\n", kTools[tool], c.name,
                cells, milliseconds, cpuMilliseconds, calls, statusPuts, static_cast<double>(calls) / cells, writes,
                writes ? cells / static_cast<double>(writes) : 0.0, bench::Megabytes(workingSetBefore),
                bench::Megabytes(after.PeakWorkingSetSize), bench::Megabytes(after.PeakPagefileUsage));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, kCaseCount, 2, "cleanup_bench [<case> <tool 0-1>]",
        [] {
            std::printf(
                "%d-bit build. Calls are every Invoke the stand-in received during the run; WS before is the\n"
                "working set with the sheet filled, before the run; peaks include the sheet (the log only "
                "counts). Time is\nmostly the stand-in's own work per cell (every string written is parsed as "
                "if typed); cpu ms is\nthe run's thread alone, which a busy machine does not stretch.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-18s %-42s %8s %9s %9s %8s %6s %7s %8s %9s %7s %7s %7s\n", "tool", "data", "cells", "ms",
                        "cpu ms", "calls", "status", "c/cell", "writes", "cells/wr", "WS MB", "peak WS", "peak PF");
        },
        RunOne);
}
