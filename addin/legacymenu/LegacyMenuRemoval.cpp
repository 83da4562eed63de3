#include "addin/legacymenu/LegacyMenuRemoval.h"

#include <objbase.h>

#include <atomic>
#include <memory>

#include "addin/legacymenu/ExcelInstance.h"
#include "addin/legacymenu/ExcelVersion.h"
#include "addin/legacymenu/LegacyMenuNames.h"
#include "addin/legacymenu/NewProcessWatch.h"
#include "addin/legacymenu/RegisteredExcel.h"
#include "addin/legacymenu/WorkerThread.h"
#include "framework/Trace.h"
#include "sheet/AutomationError.h"

namespace {

// How long unregistration waits for an Excel to be found or started and to answer its first call, and then
// for the menu to go. An Excel that takes longer is given up: uninstalling must not hang on it.
constexpr DWORD kComeUpWait = 6000;
constexpr DWORD kRemovalWait = 4000;

void DeleteToolbar(const sheet::CommandBars& bars) {
    try {
        if (sheet::CommandBar toolbar = legacy_menu::FindBar(bars, legacy_menu::kToolbar)) toolbar.Delete();
    } catch (const sheet::CAutomationError&) {
        // A toolbar that will not go does not keep the menu entry.
    }
}

void DeleteFamilyEntry(const sheet::CommandBar& menuBar) {
    auto family =
        sheet::CommandBarPopup(legacy_menu::FindControl(menuBar.Controls(), legacy_menu::kFamilyPopup).Object());
    if (!family) return;
    if (family.Controls().Count() > legacy_menu::kEntriesOfOneAddin) {
        // Another family add-in shares the popup: only this add-in's entry goes.
        if (sheet::CommandBarControl own = legacy_menu::FindControl(family.Controls(), legacy_menu::kSubmenu))
            own.Delete(false);
    } else {
        family.Delete(false);
    }
}

// Unregistration's work with Excel, on a thread of its own so that an Excel that does not answer keeps
// nobody waiting. Shared with the waiting thread, which may go on before the work ends.
struct MenuRemoval {
    MenuRemoval(const CLSID& excelClass, bool mayStart)
        : excelClass(excelClass), mayStart(mayStart), answered(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~MenuRemoval() {
        if (answered) CloseHandle(answered);
    }
    MenuRemoval(const MenuRemoval&) = delete;
    MenuRemoval& operator=(const MenuRemoval&) = delete;

    void Run() {
        ExcelInstance excel = FindOrStart();
        if (!excel.Application()) return;
        const sheet::Application app{framework::ComPtr<IDispatch>(excel.Application())};
        try {
            const bool legacy = ClassifyExcelVersion(app.Version()).legacyMenu;
            SetEvent(answered);
            if (legacy && !givenUp) {
                sheet::CommandBars bars = app.CommandBars();
                DeleteToolbar(bars);
                DeleteFamilyEntry(legacy_menu::MenuBar(bars));
            }
        } catch (...) {
            // What Excel refused stays; an Excel started here is still quit.
            framework::TraceSwallowed(L"taking the legacy menu out at unregistration");
        }
        if (excel.StartedHere()) startedQuit = excel.Quit();
    }

    ExcelInstance FindOrStart() {
        ExcelInstance running = ExcelInstance::Running(excelClass);
        if (running.Application() || !mayStart) return running;
        starting = true;
        ExcelInstance started = ExcelInstance::Start(excelClass);
        if (!started.Application()) {
            startFailed = true;
            return started;
        }
        startedProcess = ProcessOfMainWindow(started.Application());
        return started;
    }

    // The process of the started Excel's main window; 0 where the version cannot say.
    static DWORD ProcessOfMainWindow(IDispatch* application) {
        try {
            DWORD id = 0;
            const HWND window = sheet::Application(framework::ComPtr<IDispatch>(application)).MainWindow();
            if (window && GetWindowThreadProcessId(window, &id)) return id;
        } catch (const sheet::CAutomationError&) {
            // No main window to ask: the process is told by how it was started.
        }
        return 0;
    }

    const CLSID excelClass;
    const bool mayStart;                   // the registered Excel has command bars: start one if none runs
    const HANDLE answered;                 // set when Excel has answered its first call
    std::atomic<bool> starting{false};     // none ran, so one is being started
    std::atomic<bool> startFailed{false};  // COM could not start one: nothing of unregistration's runs
    std::atomic<DWORD> startedProcess{0};  // the started Excel's process, where its main window says
    std::atomic<bool> startedQuit{false};  // the Excel started here quit when asked
    std::atomic<bool> givenUp{false};      // the waiting thread went on without this work
};

}  // namespace

void RemoveLegacyMenu(const sheet::Application& app) noexcept {
    try {
        sheet::CommandBars bars = app.CommandBars();
        DeleteToolbar(bars);
        DeleteFamilyEntry(bars.Item(legacy_menu::kWorksheetMenuBar));
    } catch (...) {
        // Unloading goes on whatever Excel's command bars say.
        framework::TraceSwallowed(L"taking the legacy menu out at unloading");
    }
}

void RemoveLegacyMenuFromExcel() noexcept {
    try {
        CLSID excelClass{};
        if (FAILED(CLSIDFromProgID(L"Excel.Application", &excelClass))) return;
        // Only an Excel with command bars is worth starting: a later one has no menu of the add-in's.
        const std::optional<int> registered = RegisteredExcelMajor();
        auto removal = std::make_shared<MenuRemoval>(excelClass, registered && IsMenuVersion(*registered));
        if (!removal->answered) return;
        // Taken before anything starts: whatever of Excel's program runs now is not unregistration's own.
        const NewProcessWatch watch(removal->mayStart ? LocalServerFileName(excelClass) : std::wstring());
        WorkerThread worker([removal] { removal->Run(); });
        if (!worker.Started()) return;
        const HANDLE comingUp[] = {worker.Handle(), removal->answered};
        const DWORD first = WaitServingCalls(comingUp, 2, kComeUpWait);
        const bool ended = first == 0 || (first == 1 && WaitServingCalls(comingUp, 1, kRemovalWait) == 0);
        if (!ended) removal->givenUp = true;
        if (removal->starting && !removal->startedQuit && !removal->startFailed)
            watch.EndStartedProcess(removal->startedProcess);
    } catch (...) {
        // Unregistration succeeds whatever Excel does.
        framework::TraceSwallowed(L"unregistration's work with Excel");
    }
}
