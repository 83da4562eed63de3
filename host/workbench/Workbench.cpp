// The workbench plays Excel 2010 for the add-in registered in this Wine prefix: it opens a sample sheet in
// the stand-in, connects the add-in by its ProgID, reaches the tools through the ribbon callbacks and
// drives their wizards with the same script driver the tests use, printing each step and saving a picture of
// each page it passes through. Then it plays Excel 2003, where the add-in builds its legacy menu
// (LegacyMenuScene). With --tour it instead visits every wizard page once and saves its picture under a
// fixed name, for the help pages and the README.
//
//   workbench <sample.csv> [--pictures <folder>]
//   workbench <sample.csv> --tour <folder>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "addin/CallbackInterface.h"
#include "addin/OfficeInterfaces.h"
#include "host/Csv.h"
#include "host/Excel.h"
#include "host/LiveObjects.h"
#include "host/InputBoxPresenter.h"
#include "host/workbench/InputBoxWindow.h"
#include "host/workbench/LegacyMenuScene.h"
#include "host/workbench/PageAlbum.h"
#include "host/workbench/WizardSteps.h"
#include "res/resource.h"
#include "host/driver/WizardDriver.h"

namespace {

using workbench::Check;

void Print(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::fputs(utf8.c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

std::wstring Shown(const host::Cell& cell) {
    if (cell.hasFormula) return cell.formula + L"  (formula)";
    switch (cell.value.type) {
    case host::ValueType::Empty: return L"(blank)";
    case host::ValueType::Number: {
        wchar_t number[32];
        std::swprintf(number, 32, L"%g", cell.value.number);
        return std::wstring(number) + L"  (number)";
    }
    case host::ValueType::Boolean: return cell.value.boolean ? L"TRUE" : L"FALSE";
    case host::ValueType::Error: return host::ErrorText(cell.value.error);
    case host::ValueType::Text: break;
    }
    std::wstring text = L"\"";
    for (wchar_t c : cell.value.text) text += c == 0xA0 ? std::wstring(L"~") : std::wstring(1, c);
    return text + L"\"";
}

void PrintSheet(const host::Sheet& sheet, const wchar_t* heading) {
    Print(std::wstring(L"-- ") + heading + L" (~ marks a no-break space)");
    for (long row = 1; row <= 4; ++row) {
        std::wstring line = L"   " + std::to_wstring(row) + L":";
        for (long column = 1; column <= 4; ++column) {
            std::wstring cell = Shown(sheet.At(row, column));
            line += L" " + cell + std::wstring(cell.size() < 18 ? 18 - cell.size() : 1, L' ');
        }
        Print(line);
    }
}

// Prints what the add-in put on the status bar since the last look; False is Excel's own status bar.
void PrintStatusBar(const host::Excel& excel, size_t& seen) {
    const auto& puts = excel.StatusBarPuts();
    for (; seen < puts.size(); ++seen)
        Print(L"   status bar: " + (puts[seen] ? L"\"" + *puts[seen] + L"\"" : std::wstring(L"False (Excel's own)")));
}

DISPID IdOf(IDispatch* callbacks, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    Check(callbacks->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), "GetIDsOfNames");
    return id;
}

// Invokes a ribbon callback as the ribbon does, while the driver scripts the wizard it opens.
void InvokeWithScript(IDispatch* callbacks, DISPID id, host::WizardDriver& driver) {
    VARIANT control;
    control.vt = VT_DISPATCH;
    control.pdispVal = nullptr;
    DISPPARAMS params{&control, nullptr, 1, 0};
    HRESULT hr = E_FAIL;
    bool ok = driver.Run([&] { hr = callbacks->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr); });
    if (!ok) throw std::runtime_error("the wizard script failed: " + driver.Report());
    Check(hr, "Invoke");
}

// Clicks the ribbon button whose callback is `name`, with a script for the wizard it opens.
void ClickRibbonButton(IDispatch* callbacks, const wchar_t* name, UINT optionsPage, int option,
                       const wchar_t* optionText, workbench::PageAlbum& album, const std::wstring& pictureName) {
    DISPID id = IdOf(callbacks, name);
    std::wstring address, caption;
    host::WizardDriver driver;
    workbench::ScriptOptionWizard(driver, optionsPage, option, address, caption, album, pictureName);
    InvokeWithScript(callbacks, id, driver);
    Print(std::wstring(L"== ribbon \"") + name + L"\" (DISPID " + std::to_wstring(id) + L"): range page shows " +
          address + L"; option \"" + caption + L"\" (" + optionText + L"); Finish");
}

// Opens a tool's wizard and takes the picture of each page named, pressing Next between them; then Cancel.
struct TourPage {
    UINT templateId;
    const wchar_t* pictureName;
};
void TourWizard(IDispatch* callbacks, const wchar_t* name, std::initializer_list<TourPage> pages,
                workbench::PageAlbum& album) {
    host::WizardDriver driver;
    bool first = true;
    for (const TourPage& page : pages) {
        if (!first) driver.PressNext();
        first = false;
        driver.WaitForPage(page.templateId);
        if (page.pictureName) album.Add(driver, page.pictureName);
    }
    driver.PressCancel();
    InvokeWithScript(callbacks, IdOf(callbacks, name), driver);
}

// The range picker: the wizard closes, Excel's box asks for a range, and the wizard comes back with it.
void TourPicker(host::Excel& excel, IDispatch* callbacks, workbench::PageAlbum& album) {
    const std::wstring picked = L"$A$2:$B$4";
    excel.QueueInputBoxRange(picked);
    host::SetInputBoxPresenter([&album](const host::InputBoxCall& call, const std::wstring& typed) {
        workbench::ShowInputBox(call.title.AsString(), call.prompt, typed,
                                [&album](HWND box) { album.SaveNow(box, L"picker"); });
    });
    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N)
        .Click(IDC_RANGE_PICKER)
        .WaitUntil("the wizard is back with the picked range",
                   [picked](const host::WizardView& view) {
                       wchar_t address[64] = {};
                       GetDlgItemTextW(view.page, IDC_RANGE_ADDRESS, address, 64);
                       return picked == address;
                   })
        .PressCancel();
    InvokeWithScript(callbacks, IdOf(callbacks, L"ChangeCase"), driver);
    host::SetInputBoxPresenter(nullptr);
}

// Every wizard page once, under the names the help pages and the README use.
void TakeTour(host::Excel& excel, IDispatch* callbacks, workbench::PageAlbum& album) {
    TourWizard(callbacks, L"RemChars", {{IDD_SELECT_N, L"range"}, {IDD_SELCHARS, L"remove-characters"}}, album);
    TourPicker(excel, callbacks, album);
    TourWizard(callbacks, L"ChangeCase", {{IDD_SELECT_N, nullptr}, {IDD_CHANGECASE, L"change-case"}}, album);
}

int Run(const std::wstring& csvPath, workbench::PageAlbum& album, bool tour) {
    auto excel = host::Excel::Create();
    excel->SetVersion(L"14.0");
    host::Sheet& sheet = excel->ActiveSheet();
    host::ImportCsv(sheet, csvPath);
    PrintSheet(sheet, L"sample sheet before");

    CLSID clsid{};
    Check(CLSIDFromProgID(L"Cellwright.ZendaUtils", &clsid), "CLSIDFromProgID(\"Cellwright.ZendaUtils\")");
    wchar_t clsidText[40];
    StringFromGUID2(clsid, clsidText, 40);
    Print(std::wstring(L"== ProgID Cellwright.ZendaUtils is registered as ") + clsidText);

    IDTExtensibility2* addin = nullptr;
    Check(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2, reinterpret_cast<void**>(&addin)),
          "CoCreateInstance");
    {
        host::ComRef<IDispatch> app = excel->Application();
        Check(addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), "OnConnection");
        Check(addin->OnStartupComplete(nullptr), "OnStartupComplete");
    }
    Print(L"== connected to Excel " + excel->Version() + L" (the add-in DLL was loaded from the registry)");

    IRibbonExtensibility* ribbon = nullptr;
    Check(addin->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon)), "QueryInterface(ribbon)");
    BSTR markup = nullptr;
    Check(ribbon->GetCustomUI(nullptr, &markup), "GetCustomUI");
    Print(L"== ribbon markup: " + std::to_wstring(SysStringLen(markup)) + L" characters, tab \"Zenda Utilities\"");
    SysFreeString(markup);
    IDispatch* callbacks = nullptr;
    Check(ribbon->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&callbacks)), "QueryInterface(IDispatch)");
    ribbon->Release();

    size_t statusSeen = 0;
    excel->Select(L"$A$2:$D$4");
    if (tour) {
        TakeTour(*excel, callbacks, album);
    } else {
        ClickRibbonButton(callbacks, L"RemChars", IDD_SELCHARS, 2023, L"leading and trailing spaces", album,
                          L"remove-characters");
        PrintStatusBar(*excel, statusSeen);
        PrintSheet(sheet, L"after Remove Characters");
        ClickRibbonButton(callbacks, L"RemChars", IDD_SELCHARS, 2025, L"code unit 160", album, L"remove-characters");
        PrintStatusBar(*excel, statusSeen);
        PrintSheet(sheet, L"after Remove Characters");
        ClickRibbonButton(callbacks, L"ChangeCase", IDD_CHANGECASE, 2025, L"each word capitalised", album,
                          L"change-case");
        PrintStatusBar(*excel, statusSeen);
        PrintSheet(sheet, L"after Change Case");
        Print(L"   The formula and the number are unchanged; \"00123\" and \"1E5\" are still text.");

        // A long run: whole column F over 140,000 rows of names, past the 1000-row limit, shows its progress.
        for (long row = 1; row <= 140000; ++row) sheet.SetText(L"F" + std::to_wstring(row), L"name " + std::to_wstring(row));
        excel->Select(L"$F:$F");
        ClickRibbonButton(callbacks, L"ChangeCase", IDD_CHANGECASE, 2021, L"upper case", album, L"change-case");
        PrintStatusBar(*excel, statusSeen);
        Print(L"   F1 is now \"" + sheet.At(L"F1").value.text + L"\", F140000 \"" + sheet.At(L"F140000").value.text + L"\"");
    }

    callbacks->Release();
    Check(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), "OnDisconnection");
    Print(L"== the add-in gives the status bar back as it disconnects:");
    PrintStatusBar(*excel, statusSeen);
    addin->Release();
    Print(L"== disconnected; stand-in objects still alive: " + std::to_wstring(host::LiveObjects()));
    if (album.Enabled()) Print(L"== pictures of the wizard pages saved: " + std::to_wstring(album.Saved()));
    return host::LiveObjects() == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring pictures;
    bool tour = false;
    if (argc == 4 && (std::wcscmp(argv[2], L"--pictures") == 0 || std::wcscmp(argv[2], L"--tour") == 0)) {
        pictures = argv[3];
        tour = std::wcscmp(argv[2], L"--tour") == 0;
    } else if (argc != 2) {
        Print(L"usage: workbench <sample.csv> [--pictures <folder> | --tour <folder>]");
        return 2;
    }
    workbench::PageAlbum album(pictures, !tour);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 1;
    try {
        result = Run(argv[1], album, tour);
        if (result == 0 && !tour) result = workbench::PlayExcel2003(argv[1], Print, album);
    } catch (const std::exception& error) {
        std::fprintf(stdout, "workbench: %s\n", error.what());
    }
    OleUninitialize();
    return result;
}
