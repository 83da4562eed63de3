#include "host/workbench/LegacyMenuScene.h"

#include <windows.h>
#include <objbase.h>

#include <stdexcept>

#include "addin/OfficeInterfaces.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/Csv.h"
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "host/workbench/WizardSteps.h"
#include "res/resource.h"

namespace workbench {

namespace {

// Excel 2003 loading the registered add-in at its start.
class LoadedAddin {
public:
    explicit LoadedAddin(host::Excel& excel) {
        CLSID clsid{};
        Check(CLSIDFromProgID(L"Cellwright.ZendaUtils", &clsid), "CLSIDFromProgID");
        Check(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2,
                               reinterpret_cast<void**>(&m_addin)),
              "CoCreateInstance");
        framework::ComPtr<IDispatch> app = excel.Application();
        Check(m_addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), "OnConnection");
        Check(m_addin->OnStartupComplete(nullptr), "OnStartupComplete");
    }
    ~LoadedAddin() {
        m_addin->OnDisconnection(ext_dm_HostShutdown, nullptr);
        m_addin->Release();
    }
    LoadedAddin(const LoadedAddin&) = delete;
    LoadedAddin& operator=(const LoadedAddin&) = delete;

private:
    IDTExtensibility2* m_addin = nullptr;
};

void PrintControls(const host::CommandBarControls& controls, int depth, PrintLine print) {
    for (size_t i = 1; i <= controls.Count(); ++i) {
        const host::CommandBarControl& control = *controls.Item(i);
        if (control.BeginGroup()) print(std::wstring(size_t(depth) * 3, L' ') + L"----");
        std::wstring line = std::wstring(size_t(depth) * 3, L' ') +
                            (control.Caption().empty() ? L"(" + control.TooltipText() + L")" : control.Caption());
        if (!control.Face().picture.Empty()) line += L"  [icon]";
        if (control.Events().Count() != 0) line += L"  (connected)";
        print(line);
        if (control.IsPopup()) PrintControls(control.Controls(), depth + 1, print);
    }
}

void PrintMenu(host::Excel& excel, PrintLine print) {
    auto family = excel.CommandBars().Find(L"Worksheet Menu Bar")->Controls().Find(L"Zenda Utilities");
    print(L"   Worksheet Menu Bar > Zenda Utilities");
    if (family) PrintControls(family->Controls(), 2, print);
    auto toolbar = excel.CommandBars().Find(L"Zenda Cellwright");
    if (!toolbar) return;
    print(std::wstring(L"   toolbar \"Zenda Cellwright\"") + (toolbar->Position() == 4 ? L", floating" : L"") +
          (toolbar->Visible() ? L", visible" : L", hidden") + L":");
    PrintControls(toolbar->Controls(), 2, print);
}

std::shared_ptr<host::CommandBarControl> ToolbarButton(host::Excel& excel, const std::wstring& tag) {
    auto toolbar = excel.CommandBars().Find(L"Zenda Cellwright");
    for (size_t i = 1; toolbar && i <= toolbar->Controls().Count(); ++i) {
        if (toolbar->Controls().Item(i)->Tag() == tag) return toolbar->Controls().Item(i);
    }
    throw std::runtime_error("no toolbar button for the tool");
}

std::wstring Quoted(const host::Cell& cell) { return L"\"" + cell.value.text + L"\""; }

// Clicks a button whose tool has an option page, picks the option and presses Finish; prints the
// column's texts before and after.
void ClickTool(host::Excel& excel, const std::shared_ptr<host::CommandBarControl>& button, const std::wstring& name,
               UINT optionsPage, int option, PrintLine print, PageAlbum& album, const std::wstring& pictureName) {
    host::Sheet& sheet = excel.ActiveSheet();
    std::vector<std::wstring> before;
    for (long row = 2; row <= 4; ++row) before.push_back(Quoted(sheet.At(row, 1)));
    std::wstring address, caption;
    host::WizardDriver driver;
    ScriptOptionWizard(driver, optionsPage, option, address, caption, album, pictureName);
    size_t heard = 0;
    if (!driver.Run([&] { heard = excel.Click(button); }) || heard != 1)
        throw std::runtime_error("the click's wizard script failed: " + driver.Report());
    print(L"== click " + name + L": range page shows " + address + L"; option \"" + caption + L"\"; Finish");
    for (long row = 2; row <= 4; ++row)
        print(L"   A" + std::to_wstring(row) + L": " + before[size_t(row - 2)] + L"  ->  " + Quoted(sheet.At(row, 1)));
}

}  // namespace

int PlayExcel2003(const std::wstring& csvPath, PrintLine print, PageAlbum& album) {
    auto excel = host::Excel::Create();
    excel->SetVersion(L"11.0");
    host::ImportCsv(excel->ActiveSheet(), csvPath);
    excel->Select(L"$A$2:$A$4");
    print(L"== Excel 2003 stand-in with the same sample sheet; the add-in loads at its start");
    {
        LoadedAddin addin(*excel);
        print(L"== OnStartupComplete built the legacy menu and toolbar:");
        PrintMenu(*excel, print);
        ClickTool(*excel, ToolbarButton(*excel, L"Change Case"), L"the toolbar's \"Change Case\"", IDD_CHANGECASE,
                  IDC_OPTION_1, print, album, L"excel-2003-change-case");
    }
    excel->Restart();
    excel->ClearLog();
    print(L"== Excel 2003 closes and starts again: menu and toolbar are still there");
    {
        LoadedAddin addin(*excel);
        print(L"== the add-in found them, added " +
              std::to_wstring(excel->Log().Count(L"CommandBarControls.Add") + excel->Log().Count(L"CommandBars.Add")) +
              L" controls and connected its handlers again");
        auto button = excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Find(L"Zenda Utilities");
        button = button ? button->Controls().Find(L"Cellwright") : nullptr;
        button = button ? button->Controls().Find(L"Remove Characters") : nullptr;
        if (!button) throw std::runtime_error("the menu's Remove Characters is gone");
        // A whole column of Excel 2003: past the 1000-row rule, the tool keeps to the used range.
        excel->Select(L"$A:$A");
        print(L"== column A selected whole: " + std::to_wstring(excel->ActiveSheet().Size().rows) +
              L" rows in Excel 2003's grid");
        ClickTool(*excel, button, L"Zenda Utilities > Cellwright > Remove Characters", IDD_SELCHARS, IDC_OPTION_3,
                  print, album, L"excel-2003-remove-characters");
    }
    excel.reset();
    print(L"== disconnected; stand-in objects still alive: " + std::to_wstring(host::LiveObjects()));
    return host::LiveObjects() == 0 ? 0 : 1;
}

}  // namespace workbench
