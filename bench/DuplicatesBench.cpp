// How Remove Duplicates costs on the stand-in Excel, on each shape of bench/Shapes.h and for each action:
// wall and CPU time, automation calls per cell, writes, and the memory the run adds above the filled sheet at
// its peak. Rows hold texts (and numbers in every fourth column); 30% of the rows repeat a random earlier row,
// in the every-third shape every third row repeats the row above the one above it. Every column is ticked.
// Two more shapes are columns of numbers, keyed on what their cells show: 2,000 distinct values, and all
// distinct.
//
//   duplicates_bench                      every case, each in a process of its own so that peaks do not mix
//   duplicates_bench <shape> <action>     one case in this process (action 0 Select, 1 Color, 2 Delete)
//
// Fails nothing: it reports.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchProcess.h"
#include "bench/Shapes.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/duplicates/RemoveDuplicates.h"

namespace {

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

// The list entry each row holds; gives the number of rows that repeat an earlier one.
long ChooseEntries(const bench::Shape& shape, std::vector<long>& entries) {
    Random random;
    entries.assign(1, 0);  // rows count from 1
    long repeats = 0;
    for (long r = 1; r <= shape.rows; ++r) {
        long entry = r;
        if (shape.everyThird ? r % 3 == 0 : r > 1 && random.Next(100) < 30)
            entry = shape.everyThird ? entries[static_cast<size_t>(r - 2)] : entries[1 + random.Next(r - 1)];
        repeats += entry != r;
        entries.push_back(entry);
    }
    return repeats;
}

std::vector<bench::Shape> Shapes() {
    std::vector<bench::Shape> shapes(bench::kShapes, bench::kShapes + bench::kShapeCount);
    shapes.insert(shapes.end(), bench::kNumberShapes, bench::kNumberShapes + bench::kNumberShapeCount);
    return shapes;
}

int RunOne(int shapeIndex, int action) {
    const bench::Shape shape = Shapes()[static_cast<size_t>(shapeIndex)];
    auto excel = bench::ExcelFor(shape);
    std::vector<long> entries;
    long repeats = 0;
    if (shape.distinctNumbers > 0)
        repeats = shape.rows > shape.distinctNumbers ? shape.rows - shape.distinctNumbers : 0;
    else
        repeats = ChooseEntries(shape, entries);
    bench::FillShape(excel->ActiveSheet(), shape, [&](long r, long c) {
        if (shape.distinctNumbers > 0) return host::CellValue::Number(bench::NumberOf(shape, r));
        const long entry = entries[static_cast<size_t>(r)];
        if (shape.columns > 1 && c % 4 == 3) return host::CellValue::Number(entry * 0.25 + c);
        return host::CellValue::Text(
            bench::Padded(L"entry " + std::to_wstring(entry) + L" col " + std::to_wstring(c) + L" ", shape.textLength));
    });
    entries = std::vector<long>();
    excel->Select(shape.selection);
    framework::ComPtr<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    sheet::Range work = app.Selection();
    std::vector<UINT> keyColumns;
    for (long k = 0; k < shape.columns; ++k) keyColumns.push_back(static_cast<UINT>(k));
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);

    bench::MemoryPeak memory;
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
    memory.Stop();

    const double cells = bench::CellsOf(shape);
    const host::CallLog& log = excel->Log();
    const size_t calls = log.Total();
    const size_t writes = log.Count(L"Range.Value", host::Kind::Put) + log.Count(L"Interior.Color", host::Kind::Put) +
                          log.Count(L"Range.Select", host::Kind::Method) + log.Count(L"Application.Union");
    // Acting on a set of rows costs at most three calls (a reference, and Interior and Color, or a put, or a
    // Union); the rest is reading.
    const double readCalls = static_cast<double>(calls) - 3.0 * static_cast<double>(writes);
    std::printf("%-7s %-32s %8.0f %9.1f %9.1f %8zu %7.4f %7.4f %6zu %7ld %7ld %7.1f %7.1f %7.1f\n", kActions[action],
                shape.name, cells, milliseconds, cpuMilliseconds, calls, static_cast<double>(calls) / cells,
                (readCalls > 0 ? readCalls : 0.0) / cells, writes, repeats, result.rowsActedOn,
                bench::Megabytes(memory.PrivateBefore()), bench::Megabytes(memory.PrivateAdded()),
                bench::Megabytes(memory.WorkingSetAdded()));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, static_cast<int>(Shapes().size()), 3, "duplicates_bench [<shape> <action 0-2>]",
        [] {
            std::printf(
                "%d-bit build. Every column ticked. calls: every Invoke the stand-in received during the run;\n"
                "read c/cell: the calls less three per write, per cell; writes: Value and Interior.Color puts,\n"
                "Unions and Select. MB sheet: private bytes with the sheet filled; +priv and +WS: the most the\n"
                "run added to the private bytes and to the working set, sampled every millisecond. cpu ms: the\n"
                "run's thread alone.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-7s %-32s %8s %9s %9s %8s %7s %7s %6s %7s %7s %7s %7s %7s\n", "action", "shape", "cells",
                        "ms", "cpu ms", "calls", "c/cell", "read/c", "writes", "repeats", "acted", "MB sheet", "+priv",
                        "+WS");
        },
        RunOne);
}
