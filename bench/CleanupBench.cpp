// How the two text clean-up tools cost on the stand-in Excel, on each shape of bench/Shapes.h: wall and CPU
// time, automation calls per cell, writes, and the memory the run adds above the filled sheet at its peak.
// Every text is one both tools change (lower case with blanks around), but in the every-third shape, where the
// others are upper case with no blanks. Cells are the cells holding data, not all the cells selected. The
// call log only counts, so that it does not weigh on the memory of million-call runs. Each run tells the
// status bar of its progress and its end as the add-in's run does.
//
//   cleanup_bench                     every case, each in a process of its own so that peaks do not mix
//   cleanup_bench <shape> <tool>      one case in this process (tool 0 Change Case, 1 Remove Characters)
//
// Fails nothing: it reports.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchProcess.h"
#include "bench/Shapes.h"
#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/cleanup/RemoveMode.h"
#include "tools/status/RunWithStatus.h"

namespace {

const char* const kTools[] = {"Change Case", "Remove Characters"};
const wchar_t* const kToolNames[] = {L"Change Case", L"Remove Characters"};

// The shared shapes, and full-length texts: the first band must be small before any byte is seen.
std::vector<bench::Shape> Shapes() {
    std::vector<bench::Shape> shapes(bench::kShapes, bench::kShapes + bench::kShapeCount);
    shapes.push_back({"A:A over 20,000 x 32,767 chars", 20000, 1, L"$A:$A", 32767, false});
    return shapes;
}

host::CellValue TextOf(const bench::Shape& shape, long r, long c) {
    std::wstring item = L"item " + std::to_wstring(r) + L" of column " + host::ColumnLetters(c);
    if (shape.everyThird && ((r - 1) * shape.columns + c) % 3 != 0) {
        for (wchar_t& ch : item) ch = static_cast<wchar_t>(towupper(ch));
        return host::CellValue::Text(item);
    }
    return host::CellValue::Text(bench::Padded(L" " + item + L" ", shape.textLength - 1) + L" ");
}

int RunOne(int shapeIndex, int tool) {
    const bench::Shape shape = Shapes()[static_cast<size_t>(shapeIndex)];
    auto excel = bench::ExcelFor(shape);
    bench::FillShape(excel->ActiveSheet(), shape, [&](long r, long c) { return TextOf(shape, r, c); });
    excel->Select(shape.selection);
    framework::ComPtr<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);

    bench::MemoryPeak memory;
    const bench::Clocks clocks;
    std::wstring failure;
    long changed = 0;
    status::StatusBarKeeper statusBar(app);
    try {
        status::RunWithStatus(
            statusBar, kToolNames[tool], [&](status::Progress& progress, const status::StatusLines& lines) {
                changed =
                    (tool == 0 ? cleanup::RunChangeCase(app, cleanup::CaseMode::Upper, progress)
                               : cleanup::RunRemoveCharacters(app, cleanup::RemoveMode::LeadingAndTrailing, progress))
                        .changed;
                return lines.CellsChanged(changed, shape.selection);
            });
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    const double milliseconds = clocks.WallMilliseconds();
    const double cpuMilliseconds = clocks.CpuMilliseconds();
    memory.Stop();

    const double cells = bench::CellsOf(shape);
    const size_t calls = excel->Log().Total();
    const size_t writes = excel->Log().Count(L"Range.Value", host::Kind::Put);
    const size_t statusCalls = excel->Log().Count(L"Application.StatusBar");
    // A write of a rectangle costs at most three calls (Resize, Offset, Value); the rest is reading.
    const double readCalls = static_cast<double>(calls - statusCalls) - 3.0 * static_cast<double>(writes);
    std::printf("%-18s %-32s %8.0f %9.1f %9.1f %8zu %7.4f %7.4f %7zu %8ld %7.1f %7.1f %7.1f\n", kTools[tool],
                shape.name, cells, milliseconds, cpuMilliseconds, calls, static_cast<double>(calls) / cells,
                (readCalls > 0 ? readCalls : 0.0) / cells, writes, changed, bench::Megabytes(memory.PrivateBefore()),
                bench::Megabytes(memory.PrivateAdded()), bench::Megabytes(memory.WorkingSetAdded()));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, static_cast<int>(Shapes().size()), 2, "cleanup_bench [<shape> <tool 0-1>]",
        [] {
            std::printf(
                "%d-bit build. calls: every Invoke the stand-in received during the run, status bar included;\n"
                "read c/cell: the calls less the status bar's and three per write, per cell; writes: Value puts;\n"
                "MB sheet: private bytes with the sheet filled; +priv and +WS: the most the run added to the\n"
                "private bytes and to the working set, sampled every millisecond. cpu ms: the run's thread alone.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-18s %-32s %8s %9s %9s %8s %7s %7s %7s %8s %7s %7s %7s\n", "tool", "shape", "cells", "ms",
                        "cpu ms", "calls", "c/cell", "read/c", "writes", "changed", "MB sheet", "+priv", "+WS");
        },
        RunOne);
}
