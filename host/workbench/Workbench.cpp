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
#include <stdexcept>
#include <string>
#include <vector>

#include "addin/CallbackInterface.h"
#include "addin/OfficeInterfaces.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/Address.h"
#include "host/excel/Csv.h"
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "host/workbench/LegacyMenuScene.h"
#include "host/workbench/PageAlbum.h"
#include "host/workbench/PageTour.h"
#include "host/workbench/RibbonClick.h"
#include "host/workbench/WizardSteps.h"
#include "res/resource.h"

namespace {

using workbench::Check;

// The rows of the sample sheet, its heading row among them.
constexpr long kSampleRows = 5;

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
    for (long row = 1; row <= kSampleRows; ++row) {
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

// Clicks the ribbon button whose callback is `name`, with a script for the clean-up tool's wizard it opens.
void ClickRibbonButton(IDispatch* callbacks, const wchar_t* name, UINT optionsPage, int option,
                       const wchar_t* optionText, workbench::PageAlbum& album, const std::wstring& pictureName) {
    std::wstring address, caption;
    host::WizardDriver driver;
    workbench::ScriptOptionWizard(driver, optionsPage, option, address, caption, album, pictureName);
    DISPID id = workbench::ClickWithScript(callbacks, name, driver);
    Print(std::wstring(L"== ribbon \"") + name + L"\" (DISPID " + std::to_wstring(id) + L"): range page shows " +
          address + L"; option \"" + caption + L"\" (" + optionText + L"); Finish");
}

// Remove Duplicates over the table with its headings: the rows are the same when Name and City are, and the
// later ones are coloured.
void ColorDuplicateRows(IDispatch* callbacks, workbench::PageAlbum& album) {
    std::wstring address, colorName;
    int colorIndex = -1;
    DWORD_PTR color = 0;
    std::vector<host::ListRow> columns;
    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT).ReadText(IDC_RANGE_ADDRESS, address);
    album.Add(driver, L"remove-duplicates-range");
    driver.PressNext()
        .WaitForPage(IDD_DUP_COLUMNS)
        .SetListCheck(IDC_COLUMN_LIST, 2, false)
        .SetListCheck(IDC_COLUMN_LIST, 3, false)
        .ReadListView(IDC_COLUMN_LIST, columns);
    album.Add(driver, L"remove-duplicates-columns");
    // The list is sorted by name: Gold is the 14th colour.
    driver.PressNext()
        .WaitForPage(IDD_DUP_ACTION)
        .CheckRadio(IDC_ACTION_COLOR)
        .SelectComboItem(IDC_COLOR_LIST, 13)
        .ReadComboSelection(IDC_COLOR_LIST, colorIndex, colorName, color);
    album.Add(driver, L"remove-duplicates-action");
    driver.PressFinish();
    DISPID id = workbench::ClickWithScript(callbacks, L"RemDups", driver);
    std::wstring keys;
    for (const host::ListRow& column : columns)
        if (column.checked)
            keys += (keys.empty() ? L"" : L", ") + column.texts.at(0) + L" (" + column.texts.at(1) + L")";
    Print(L"== ribbon \"RemDups\" (DISPID " + std::to_wstring(id) + L"): range page shows " + address +
          L"; key columns " + keys + L"; \"Color\" with \"" + colorName + L"\"; Finish");
}

// Merge Cell Text, row by row into the left cells, with a comma between the parts; the target cells merge.
void MergeRowsIntoLeftCells(IDispatch* callbacks, workbench::PageAlbum& album) {
    std::wstring address;
    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).ReadText(IDC_RANGE_ADDRESS, address);
    album.Add(driver, L"merge-cell-text-range");
    driver.PressNext().WaitForPage(IDD_SELECT_MERGE).CheckRadio(IDC_OPTION_1);
    album.Add(driver, L"merge-cell-text-mode");
    driver.PressNext().WaitForPage(IDD_MERGE_BY_ROW).CheckRadio(IDC_OPTION_1).SetText(IDC_SEPARATOR, L", ");
    album.Add(driver, L"merge-cell-text-options");
    driver.PressFinish();
    DISPID id = workbench::ClickWithScript(callbacks, L"MergeCell", driver);
    Print(L"== ribbon \"MergeCell\" (DISPID " + std::to_wstring(id) + L"): range page shows " + address +
          L"; \"Row by Row\", \"Left Cells\", separator \", \", \"Merge cells in target arrea\" ticked; Finish");
}

// Clicks Undo Last Run, which opens no wizard: it puts back the cells the last run changed.
void ClickUndoLastRun(IDispatch* callbacks) {
    const DISPID id = workbench::Click(callbacks, L"UndoLast");
    Print(L"== ribbon \"UndoLast\" (DISPID " + std::to_wstring(id) +
          L"): \"Undo Last Run\" puts back the Merge Cell Text run");
}

// The rows with a fill of their own, and the merged areas.
void PrintFormats(const host::Sheet& sheet) {
    for (long row = 1; row <= kSampleRows; ++row) {
        const auto& fill = sheet.At(row, 1).interiorColor;
        if (fill) {
            wchar_t color[16];
            std::swprintf(color, 16, L"0x%06lX", static_cast<unsigned long>(*fill));
            Print(L"   row " + std::to_wstring(row) + L" is filled with " + color);
        }
    }
    for (const host::Area& area : sheet.MergedAreas())
        Print(L"   " + host::FormatAddress({area}, host::AddressOptions{}) + L" is merged into one cell");
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
    Check(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2, reinterpret_cast<void**>(&addin)),
        "CoCreateInstance");
    {
        framework::ComPtr<IDispatch> app = excel->Application();
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
    if (tour) {
        workbench::TakeTour(*excel, callbacks, album);
    } else {
        excel->Select(L"$A$2:$D$5");
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
        Print(L"   The formula and the number are unchanged; \"00123\" and \"1e5\" are still text, not numbers.");

        excel->Select(L"$A$1:$D$5");
        ColorDuplicateRows(callbacks, album);
        PrintStatusBar(*excel, statusSeen);
        PrintFormats(sheet);
        Print(L"   Row 5 names the same person in the same city as row 3, now that both are tidy.");

        excel->Select(L"$A$2:$B$5");
        MergeRowsIntoLeftCells(callbacks, album);
        PrintStatusBar(*excel, statusSeen);
        PrintSheet(sheet, L"after Merge Cell Text");
        PrintFormats(sheet);

        ClickUndoLastRun(callbacks);
        PrintStatusBar(*excel, statusSeen);
        PrintSheet(sheet, L"after Undo Last Run");
        PrintFormats(sheet);
        Print(L"   The texts and the merged areas are as they were before Merge Cell Text.");

        // A long run: whole column F over 140,000 rows of names, past the 1000-row limit, shows its progress.
        for (long row = 1; row <= 140000; ++row)
            sheet.SetText(L"F" + std::to_wstring(row), L"name " + std::to_wstring(row));
        excel->Select(L"$F:$F");
        ClickRibbonButton(callbacks, L"ChangeCase", IDD_CHANGECASE, 2021, L"upper case", album, L"change-case");
        PrintStatusBar(*excel, statusSeen);
        Print(L"   F1 is now \"" + sheet.At(L"F1").value.text + L"\", F140000 \"" + sheet.At(L"F140000").value.text +
              L"\"");
    }

    callbacks->Release();
    Check(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), "OnDisconnection");
    Print(L"== the add-in gives the status bar back as it disconnects:");
    PrintStatusBar(*excel, statusSeen);
    addin->Release();
    Print(L"== disconnected; stand-in objects still alive: " + std::to_wstring(host::LiveObjects()));
    return host::LiveObjects() == 0 ? 0 : 1;
}

// Excel 2016 and later is per-monitor DPI aware, and so is the stand-in: its pictures are taken in the pixels
// the wizard is drawn in, at any display scale. Looked up at run time, as older Windows lacks it.
void BecomePerMonitorDpiAware() {
    using SetAwareness = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetAwareness>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
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
    BecomePerMonitorDpiAware();
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 1;
    try {
        result = Run(argv[1], album, tour);
        if (result == 0 && !tour) result = workbench::PlayExcel2003(argv[1], Print, album);
        if (album.Enabled()) Print(L"== pictures of the wizard pages saved: " + std::to_wstring(album.Saved()));
    } catch (const std::exception& error) {
        std::fprintf(stdout, "workbench: %s\n", error.what());
    }
    OleUninitialize();
    return result;
}
