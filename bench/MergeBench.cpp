// How Merge Cell Text costs on the stand-in Excel: wall and CPU time, automation calls per cell, writes and
// the memory a run adds above the filled sheet, the sheet's growth apart from the run's own, on the shapes the
// other tools' benchmarks use and on two columns of long texts whose rows join into texts of 20,001 characters;
// per grouping, with and without merging; and two shapes of one-character texts joined with the longest
// separator the page takes, whose joined texts are far longer than what is read; and two columns of 500,000
// numbers joined row by row by what their cells show, 2,000 distinct values a column and all distinct. In the
// shape of every third, only every third row holds texts: the rows to merge come one in three. The call log only
// counts, so that it does not weigh on the memory figures of million-call runs. Each run tells the status bar of
// its progress and its end as the add-in's run does.
//
//   merge_bench                    every case, each in a process of its own so that peaks do not mix
//   merge_bench <shape> <case>     one case in this process (case: grouping x 2 + merging; grouping 0 by row,
//                                  1 by column, 2 in one cell)
//
// Fails nothing: it reports. A run Excel refuses (a joined text longer than a cell holds) says so after its line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchProcess.h"
#include "bench/Shapes.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/merge/MergeSelection.h"
#include "tools/status/RunWithStatus.h"

namespace {

// The longest separator the page takes: joined texts far longer than what is read.
constexpr long kLongestSeparator = 1023;

struct MergeShape {
    bench::Shape shape;
    long separatorLength;  // 0: ","
};

std::vector<MergeShape> Shapes() {
    std::vector<MergeShape> shapes;
    for (int i = 0; i < bench::kShapeCount; ++i) shapes.push_back({bench::kShapes[i], 0});
    shapes.push_back({{"A:B over 20,000 x 10,000 chars", 20000, 2, L"$A:$B", 10000, false}, 0});
    shapes.push_back({{"A:B over 65,536 x 1 char, sep 1,023", 65536, 2, L"$A:$B", 1, false}, kLongestSeparator});
    shapes.push_back({{"A:J over 10,000 x 1 char, sep 1,023", 10000, 10, L"$A:$J", 1, false}, kLongestSeparator});
    // A single column joins by row into itself and by column past a cell's length: its million numbers are
    // two columns here, each row joined.
    for (int i = 0; i < bench::kNumberShapeCount; ++i) {
        bench::Shape numbers = bench::kNumberShapes[i];
        numbers.name = i == 0 ? "A:B, 1,000,000 numbers, 2,000 a column" : "A:B, 1,000,000 numbers, all distinct";
        numbers.rows /= 2;
        numbers.columns = 2;
        numbers.selection = L"$A:$B";
        numbers.distinctNumbers = std::min(numbers.distinctNumbers, numbers.rows);
        shapes.push_back({numbers, 0});
    }
    return shapes;
}

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

host::CellValue TextOf(const bench::Shape& shape, long r, long c) {
    if (shape.distinctNumbers > 0) return host::CellValue::Number(bench::NumberOf(shape, r));
    if (shape.everyThird && r % 3 != 0) return host::CellValue::Empty();
    std::wstring text = std::wstring(1, static_cast<wchar_t>(L'a' + (r % 26)));
    if (shape.textLength != 1) text += std::to_wstring(c % 10);
    return host::CellValue::Text(bench::Padded(text, shape.textLength));
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
    const MergeShape merged = Shapes()[static_cast<size_t>(shapeIndex)];
    const bench::Shape& shape = merged.shape;
    const Grouping& grouping = kGroupings[caseIndex / 2];
    const bool merging = caseIndex % 2 == 1;
    auto excel = bench::ExcelFor(shape);
    bench::FillShape(excel->ActiveSheet(), shape, [&](long r, long c) { return TextOf(shape, r, c); });
    excel->Select(shape.selection);
    framework::ComPtr<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);

    merge::MergeRequest request;
    request.target = grouping.target;
    request.separator = merged.separatorLength ? std::wstring(static_cast<size_t>(merged.separatorLength), L'-') : L",";
    request.mergeCells = merging;

    bench::MemoryPeak memory;
    const bench::Clocks clocks;
    std::wstring failure;
    status::StatusBarKeeper statusBar(app);
    try {
        status::RunWithStatus(statusBar, L"Merge Cell Text",
                              [&](status::Progress& progress, const status::StatusLines&) {
                                  merge::MergeSelection(app, request, progress);
                                  return std::wstring();
                              });
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    const double milliseconds = clocks.WallMilliseconds();
    const double cpuMilliseconds = clocks.CpuMilliseconds();
    memory.Stop();
    // What the run leaves in the process: the sheet as it ends (its joined texts and merged areas) and heap left
    // committed. The rest of the peak is what the run held for itself.
    const SIZE_T privateAtEnd = bench::Memory().PagefileUsage;
    const SIZE_T kept = privateAtEnd > memory.PrivateBefore() ? privateAtEnd - memory.PrivateBefore() : 0;
    const SIZE_T held = memory.PrivateAdded() > kept ? memory.PrivateAdded() - kept : 0;

    const double cells = bench::CellsOf(shape);
    const size_t calls = excel->Log().Total();
    std::printf("%-32s %-11s %-5s %8.0f %9.0f %9.0f %8zu %7.4f %7zu %7zu %8.1f %7.1f %7.1f %7.1f %7.1f\n", shape.name,
                grouping.name, merging ? "yes" : "no", cells, milliseconds, cpuMilliseconds, calls,
                static_cast<double>(calls) / cells, excel->Log().Count(L"Range.Value", host::Kind::Put),
                FormatAndMergeCalls(excel->Log()), bench::Megabytes(memory.PrivateBefore()),
                bench::Megabytes(memory.PrivateAdded()), bench::Megabytes(memory.WorkingSetAdded()),
                bench::Megabytes(kept), bench::Megabytes(held));
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, static_cast<int>(Shapes().size()), kGroupingCount * 2,
        "merge_bench [<shape> <grouping x 2 + merging, 0-5>]",
        [] {
            std::printf(
                "%d-bit build, separator \",\" (1,023 dashes where the shape says), into the left, top or top-left "
                "cells. calls: every Invoke the "
                "stand-in\nreceived during the run, status bar included; values: Range.Value puts (texts and "
                "emptying);\nformats: merges, unmerges, clears and format puts; MB sheet: private bytes with the "
                "sheet filled;\n+priv and +WS: the most the private bytes and the working set rose above it during "
                "the run, sampled\nevery millisecond, the sheet's growth included; +end: what the private bytes "
                "stay above it after the\nrun: the sheet's growth (its joined texts and merged areas) and heap left "
                "committed; run: +priv\nless +end, the peak above the sheet as it ends: the run's own. cpu ms: the "
                "run's thread alone.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-32s %-11s %-5s %8s %9s %9s %8s %7s %7s %7s %8s %7s %7s %7s %7s\n", "shape", "grouping",
                        "merge", "cells", "ms", "cpu ms", "calls", "c/cell", "values", "formats", "MB sheet", "+priv",
                        "+WS", "+end", "run");
        },
        RunOne);
}
