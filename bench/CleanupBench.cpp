// How the two text clean-up tools cost on the stand-in Excel: wall time, automation calls per cell, writes
// and peak memory, within the 1000-row limit (blocks of text, the same broken up by formulas and numbers) and
// past it (whole columns and whole rows over big used ranges, with and without scattered formulas). Cells
// are the cells holding data, not all the cells selected. The call log only counts, so that it does not
// weigh on the memory figures of million-call runs.
//
//   cleanup_bench                     every case, each in a process of its own so that peaks do not mix
//   cleanup_bench <case> <tool>       one case in this process (tool 0 Change Case, 1 Remove Characters)
//
// Fails nothing: it reports.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "host/Address.h"
#include "host/Excel.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/cleanup/RemoveMode.h"

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

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// User and kernel time of this thread, which the run uses alone: unlike wall time, not stretched by a busy machine.
double ThreadCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

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
    host::ComRef<IDispatch> appObject = excel->Application();
    sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    const SIZE_T workingSetBefore = Memory().WorkingSetSize;

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const double cpuStart = ThreadCpuMilliseconds();
    std::wstring failure;
    try {
        if (tool == 0)
            cleanup::RunChangeCase(app, cleanup::CaseMode::Upper);
        else
            cleanup::RunRemoveCharacters(app, cleanup::RemoveMode::LeadingAndTrailing);
    } catch (const sheet::CAutomationError& error) {
        failure = error.Description();
    }
    QueryPerformanceCounter(&end);
    const double cpuMilliseconds = ThreadCpuMilliseconds() - cpuStart;
    const PROCESS_MEMORY_COUNTERS after = Memory();

    const double cells = static_cast<double>(c.rows) * c.columns;
    const double milliseconds = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                static_cast<double>(frequency.QuadPart);
    const size_t calls = excel->Log().Total();
    const size_t writes = excel->Log().Count(L"Range.Value", host::Kind::Put);
    std::printf("%-18s %-42s %8.0f %9.1f %9.1f %8zu %7.4f %8zu %9.1f %7.1f %7.1f %7.1f\n", kTools[tool], c.name,
                cells, milliseconds, cpuMilliseconds, calls, static_cast<double>(calls) / cells, writes,
                writes ? cells / static_cast<double>(writes) : 0.0, Megabytes(workingSetBefore),
                Megabytes(after.PeakWorkingSetSize), Megabytes(after.PeakPagefileUsage));
    if (!failure.empty()) std::printf("  the run failed: %ls\n", failure.c_str());
    std::fflush(stdout);
    return failure.empty() ? 0 : 1;
}

// Runs one case in a child process and copies its output here.
void RunInChild(int caseIndex, int tool) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(path) + L"\" " + std::to_wstring(caseIndex) + L" " +
                           std::to_wstring(tool);

    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        std::printf("cannot create a pipe (error %lu)\n", GetLastError());
        return;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(path, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        std::printf("cannot start %ls (error %lu)\n", command.c_str(), GetLastError());
        CloseHandle(readEnd);
        return;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        std::fwrite(buffer, 1, read, stdout);
        std::fflush(stdout);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
}

}  // namespace

int main(int argc, char** argv) {
    OleInitialize(nullptr);
    int result = 0;
    if (argc == 3) {
        int caseIndex = std::atoi(argv[1]);
        int tool = std::atoi(argv[2]);
        if (caseIndex >= 0 && caseIndex < kCaseCount && (tool == 0 || tool == 1)) {
            result = RunOne(caseIndex, tool);
        } else {
            std::printf("usage: cleanup_bench [<case 0-%d> <tool 0-1>]\n", kCaseCount - 1);
            result = 2;
        }
    } else {
        std::printf("%d-bit build. Calls are every Invoke the stand-in received during the run; WS before is the\n"
                    "working set with the sheet filled, before the run; peaks include the sheet (the log only counts). Time is\n"
                    "mostly the stand-in's own work per cell (every string written is parsed as if typed); cpu ms is\n"
                    "the run's thread alone, which a busy machine does not stretch.\n\n",
                    static_cast<int>(sizeof(void*) * 8));
        std::printf("%-18s %-42s %8s %9s %9s %8s %7s %8s %9s %7s %7s %7s\n", "tool", "data", "cells", "ms",
                    "cpu ms", "calls", "c/cell", "writes", "cells/wr", "WS MB", "peak WS", "peak PF");
        for (int caseIndex = 0; caseIndex < kCaseCount; ++caseIndex)
            for (int tool = 0; tool < 2; ++tool) RunInChild(caseIndex, tool);
    }
    OleUninitialize();
    return result;
}
