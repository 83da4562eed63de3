// What Undo Last Run costs on the stand-in Excel: a tool's real engine run without its record and with it (CPU time, calls,
// the reads the record adds a block, the record's size), then the undo of that run (CPU time, calls a cell).
// Each case runs the tool twice on fresh sheets in one process, once not recording and once recording, so
// that the two times compare; CPU time is the run's thread alone, which a busy machine does not stretch.
//
//   undo_bench              every case, each in a process of its own
//   undo_bench <case> 0     one case in this process
//
// Fails nothing: it reports.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <string>

#include "bench/BenchProcess.h"
#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include <optional>

#include "tools/cleanup/CleanupEngines.h"
#include "tools/common/RecordingRun.h"
#include "tools/merge/MergeSelection.h"
#include "tools/undo/UndoLastRun.h"

namespace {

// The engines as the add-in runs them: Change Case over texts, or over a mix of numbers, dates, amounts,
// formulas and texts; Merge Cell Text row by row over the mix, which writes or empties every cell.
enum class Tool { ChangeTexts, ChangeMixed, MergeMixed };

struct Case {
    const char* name;
    Tool tool;
    long rows;
    long columns;
    const wchar_t* selection;
};

const Case kCases[] = {
    {"Change Case, texts, A1:C100000", Tool::ChangeTexts, 100000, 3, L"$A$1:$C$100000"},
    {"Change Case, texts, A1:A1000000", Tool::ChangeTexts, 1000000, 1, L"$A$1:$A$1000000"},
    {"Change Case, texts, A1:Z50000", Tool::ChangeTexts, 50000, 26, L"$A$1:$Z$50000"},
    {"Change Case, formulas dates amounts, 20000 x 50", Tool::ChangeMixed, 20000, 50, L"$A$1:$AX$20000"},
    {"Merge by row, formulas dates amounts, 1000 x 50", Tool::MergeMixed, 1000, 50, L"$A$1:$AX$1000"},
};

constexpr int kCaseCount = sizeof(kCases) / sizeof(kCases[0]);

void Fill(host::Sheet& sheet, const Case& c) {
    for (long r = 1; r <= c.rows; ++r) {
        for (long col = 1; col <= c.columns; ++col) {
            const std::wstring address = host::ColumnLetters(col) + std::to_wstring(r);
            if (c.tool != Tool::ChangeTexts) {
                switch ((r + col) % 5) {
                case 0: sheet.SetNumber(address, r / 7.0); break;
                case 1: sheet.SetDate(address, 2024, 1 + col % 12, 1 + r % 28); break;
                case 2: sheet.SetCurrency(address, r / 3.0); break;
                case 3: sheet.SetFormula(address, L"=ROW()*2", host::CellValue::Number(2.0 * r)); break;
                default: sheet.SetText(address, L"text " + std::to_wstring(r)); break;
                }
                continue;
            }
            sheet.SetText(address, L" item " + std::to_wstring(r) + L" of column " + host::ColumnLetters(col) + L" ");
        }
    }
}

// The engine, with the writers recording when there is a record.
void RunTool(const Case& c, const sheet::Application& app, blocks::RunRecord* record) {
    std::optional<blocks::RecordingRun> recording;
    if (record) recording.emplace(*record, app);
    if (c.tool == Tool::MergeMixed) {
        merge::MergeRequest request;
        request.separator = L", ";
        merge::MergeSelection(app, request);
        return;
    }
    cleanup::RunChangeCase(app, cleanup::CaseMode::Upper);
}

struct Measure {
    double cpuMilliseconds = 0;
    size_t calls = 0;
    size_t valueGets = 0;
};

// One run on a fresh sheet; with a record, the record is kept for the undo.
Measure MeasureRun(const Case& c, std::shared_ptr<host::Excel>& excel, framework::ComPtr<IDispatch>& appObject,
                   blocks::RunRecord* record) {
    // The last run's sheet goes first: two sheets of long texts do not fit a 32-bit process.
    appObject.Reset();
    excel.reset();
    excel = host::Excel::Create();
    Fill(excel->ActiveSheet(), c);
    excel->Select(c.selection);
    appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    const bench::Clocks clocks;
    RunTool(c, app, record);
    Measure measure;
    measure.cpuMilliseconds = clocks.CpuMilliseconds();
    measure.calls = excel->Log().Total();
    measure.valueGets = excel->Log().Count(L"Range.Value", host::Kind::Get);
    return measure;
}

int RunOne(int caseIndex, int) {
    const Case& c = kCases[caseIndex];
    std::wstring failure;
    try {
        std::shared_ptr<host::Excel> excel;
        framework::ComPtr<IDispatch> appObject;
        const Measure plain = MeasureRun(c, excel, appObject, nullptr);
        blocks::RunRecord record;
        const Measure recorded = MeasureRun(c, excel, appObject, &record);
        const double recordMegabytes = bench::Megabytes(record.Bytes());

        sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
        excel->ClearLog();
        const bench::Clocks clocks;
        const undo::UndoResult result = undo::UndoLastRun(app, record);
        const double undoMilliseconds = clocks.CpuMilliseconds();
        const size_t undoCalls = excel->Log().Total();

        const double blocksRead = plain.valueGets ? static_cast<double>(plain.valueGets) : 1.0;
        const double extra = static_cast<double>(recorded.calls) - static_cast<double>(plain.calls);
        std::printf("%-44s %9.0f %9.1f %9.1f %6.1f%% %8zu %8.0f %7.2f %8.1f %9.1f %8zu %8ld %7.4f%s\n", c.name,
                    static_cast<double>(c.rows) * c.columns, plain.cpuMilliseconds, recorded.cpuMilliseconds,
                    100.0 * (recorded.cpuMilliseconds - plain.cpuMilliseconds) / plain.cpuMilliseconds, plain.calls,
                    extra, extra / blocksRead, recordMegabytes, undoMilliseconds, undoCalls, result.cellsPutBack,
                    result.cellsPutBack ? static_cast<double>(undoCalls) / result.cellsPutBack : 0.0,
                    record.Overflowed() ? "  (record over 128 MB: cannot be undone)" : "");
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    } catch (const std::bad_alloc&) {
        failure = L"out of memory";
    }
    return bench::EndCase(failure);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::Main(
        argc, argv, kCaseCount, 1, "undo_bench [<case> 0]",
        [] {
            std::printf(
                "%d-bit build. run: the tool without a record, then with one, on fresh sheets (CPU ms of the run's\n"
                "thread); +reads: the calls the record adds, and a block (per Range.Value read of the tool); undo: "
                "the\nrecorded run put back, its calls and calls a cell put back.\n\n",
                static_cast<int>(sizeof(void*) * 8));
            std::printf("%-44s %9s %9s %9s %7s %8s %8s %7s %8s %9s %8s %8s %7s\n", "run", "cells", "run ms", "rec ms",
                        "cost", "calls", "+calls", "+/block", "rec MB", "undo ms", "calls", "back", "c/cell");
        },
        RunOne);
}
