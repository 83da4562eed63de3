// What the legacy menu costs Excel's start: wall and CPU time and automation calls of OnConnection and
// OnStartupComplete on the stand-in, for a first start of Excel 2003 (everything built, faces by Picture
// and Mask), a later start (menu and toolbar found, handlers connected again) and a first start of
// Excel 2000 (faces through the clipboard, the user's clipboard saved and put back).
//
//   menu_bench [runs]       each road `runs` times (default 20); prints the median and the slowest wall
//                           time, and the thread's CPU time per start (not stretched by a busy machine;
//                           the mean, as one start takes less than the CPU clock's tick)
//
// Fails nothing: it reports.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "addin/AddinGuids.h"
#include "addin/CellwrightApp.h"
#include "addin/OfficeInterfaces.h"
#include "bench/BenchProcess.h"
#include "framework/ClassRegistry.h"
#include "framework/Module.h"
#include "host/excel/Excel.h"

namespace {

CCellwrightRMApp benchApp;

struct Road {
    const char* name;
    const wchar_t* version;
    bool menuThere;  // left from an earlier run
};

const Road kRoads[] = {
    {"Excel 2003, first start", L"11.0", false},
    {"Excel 2003, menu found again", L"11.0", true},
    {"Excel 2000, first start (clipboard)", L"9.0", false},
};

IDTExtensibility2* NewAddin() {
    IClassFactory* factory = nullptr;
    IDTExtensibility2* addin = nullptr;
    if (SUCCEEDED(
            framework::GetClassObject(CLSID_CellwrightAddin, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        factory->CreateInstance(nullptr, IID_IDTExtensibility2, reinterpret_cast<void**>(&addin));
        factory->Release();
    }
    return addin;
}

struct StartTimes {
    double wall = -1;
    double cpu = -1;
};

// Connects and completes the start of one add-in; gives the milliseconds it took, leaves it connected.
StartTimes Start(host::Excel& excel, IDTExtensibility2*& addin) {
    addin = NewAddin();
    if (!addin) return {};
    framework::ComPtr<IDispatch> app = excel.Application();
    const bench::Clocks clocks;
    addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
    addin->OnStartupComplete(nullptr);
    return {clocks.WallMilliseconds(), clocks.CpuMilliseconds()};
}

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values) sum += value;
    return sum / double(values.size());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Stop(IDTExtensibility2* addin) {
    addin->OnDisconnection(ext_dm_HostShutdown, nullptr);
    addin->Release();
}

void PutUserText() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const wchar_t text[] = L"what the user copied";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    if (void* p = block ? GlobalLock(block) : nullptr) {
        CopyMemory(p, text, sizeof text);
        GlobalUnlock(block);
        SetClipboardData(CF_UNICODETEXT, block);
    }
    CloseClipboard();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    OleInitialize(nullptr);
    if (!framework::ProcessAttach(GetModuleHandleW(nullptr))) return 2;
    std::printf("%-38s %10s %10s %10s %8s %8s\n", "road", "wall ms", "max ms", "cpu ms", "calls", "sinks");
    for (const Road& road : kRoads) {
        std::vector<double> walls;
        std::vector<double> cpus;
        size_t calls = 0;
        size_t sinks = 0;
        for (int run = 0; run < runs; ++run) {
            auto excel = host::Excel::Create();
            excel->SetVersion(road.version);
            if (road.menuThere) {
                IDTExtensibility2* first = nullptr;
                Start(*excel, first);
                Stop(first);
                excel->Restart();
            }
            PutUserText();
            excel->ClearLog();
            IDTExtensibility2* addin = nullptr;
            const StartTimes times = Start(*excel, addin);
            walls.push_back(times.wall);
            cpus.push_back(times.cpu);
            calls = excel->Log().Total();
            sinks = 0;
            for (size_t b = 1; b <= excel->CommandBars().Count(); ++b) {
                std::vector<const host::CommandBarControls*> lists{&excel->CommandBars().Item(b)->Controls()};
                while (!lists.empty()) {
                    const host::CommandBarControls* list = lists.back();
                    lists.pop_back();
                    for (size_t c = 1; c <= list->Count(); ++c) {
                        sinks += list->Item(c)->Events().Count();
                        if (list->Item(c)->IsPopup()) lists.push_back(&list->Item(c)->Controls());
                    }
                }
            }
            Stop(addin);
        }
        std::printf("%-38s %10.2f %10.2f %10.2f %8zu %8zu\n", road.name, Median(walls),
                    *std::max_element(walls.begin(), walls.end()), Mean(cpus), calls, sinks);
    }
    framework::ProcessDetach();
    OleUninitialize();
    return 0;
}
