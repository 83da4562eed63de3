#include "host/workbench/PageTour.h"

#include <windows.h>

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "host/driver/WizardDriver.h"
#include "host/excel/InputBoxPresenter.h"
#include "host/workbench/InputBoxWindow.h"
#include "host/workbench/RibbonClick.h"
#include "res/resource.h"

namespace workbench {

namespace {

// Opens a tool's wizard and takes the picture of each page named, pressing Next between them; then Cancel.
struct TourPage {
    UINT templateId;
    const wchar_t* pictureName;
};
void TourWizard(IDispatch* callbacks, const wchar_t* name, std::initializer_list<TourPage> pages, PageAlbum& album) {
    host::WizardDriver driver;
    bool first = true;
    for (const TourPage& page : pages) {
        if (!first) driver.PressNext();
        first = false;
        driver.WaitForPage(page.templateId);
        if (page.pictureName) album.Add(driver, page.pictureName);
    }
    driver.PressCancel();
    ClickWithScript(callbacks, name, driver);
}

// The range picker: the wizard closes, Excel's box asks for a range, and the wizard comes back with it.
void TourPicker(host::Excel& excel, IDispatch* callbacks, PageAlbum& album) {
    const std::wstring picked = L"$A$2:$B$4";
    excel.QueueInputBoxRange(picked);
    host::SetInputBoxPresenter([&album](const host::InputBoxCall& call, const std::wstring& typed) {
        ShowInputBox(call.title.AsString(), call.prompt, typed, [&album](HWND box) { album.SaveNow(box, L"picker"); });
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
    ClickWithScript(callbacks, L"ChangeCase", driver);
    host::SetInputBoxPresenter(nullptr);
}

void DropColorListDown(const host::WizardView& view, bool down) {
    SendDlgItemMessageW(view.page, IDC_COLOR_LIST, CB_SHOWDROPDOWN, down ? TRUE : FALSE, 0);
}

// Choose Action with "Color" chosen and its list dropped down, so that the picture shows the swatches.
void TourRemoveDuplicates(IDispatch* callbacks, PageAlbum& album) {
    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT);
    album.Add(driver, L"remove-duplicates-range");
    driver.PressNext().WaitForPage(IDD_DUP_COLUMNS);
    album.Add(driver, L"remove-duplicates-columns");
    driver.PressNext().WaitForPage(IDD_DUP_ACTION).CheckRadio(IDC_ACTION_COLOR);
    album.Add(driver, L"remove-duplicates-action", [](const host::WizardView& view) { DropColorListDown(view, true); });
    driver.Do("close the colour list", [](const host::WizardView& view) { DropColorListDown(view, false); })
        .PressCancel();
    ClickWithScript(callbacks, L"RemDups", driver);
}

// The mode page, then each mode's option page in turn, going Back to the mode page between them.
void TourMergeCellText(IDispatch* callbacks, PageAlbum& album) {
    struct OptionPage {
        int mode;
        UINT templateId;
        const wchar_t* pictureName;
        const wchar_t* separator;
    };
    const OptionPage pages[] = {{IDC_OPTION_1, IDD_MERGE_BY_ROW, L"merge-by-row", L", "},
                                {IDC_OPTION_2, IDD_MERGE_BY_COLUMN, L"merge-by-column", L"[ALT+ENTER]"},
                                {IDC_OPTION_3, IDD_MERGE_IN_A_CELL, L"merge-in-a-cell", L"; "}};
    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE);
    album.Add(driver, L"merge-mode");
    for (const OptionPage& page : pages) {
        driver.CheckRadio(page.mode).PressNext().WaitForPage(page.templateId).SetText(IDC_SEPARATOR, page.separator);
        album.Add(driver, page.pictureName);
        driver.PressBack().WaitForPage(IDD_SELECT_MERGE);
    }
    driver.PressCancel();
    ClickWithScript(callbacks, L"MergeCell", driver);
}

// Undo Last Run after the sheet a run changed has been deleted: the message that says so, and nothing changes.
void TourUndoLastRun(host::Excel& excel, IDispatch* callbacks, PageAlbum& album) {
    const std::wstring home = excel.ActiveSheet().Name();
    host::Sheet& prices = excel.AddSheet(L"Prices");
    excel.ActivateSheet(L"Prices");
    prices.SetText(L"A1", L"oak table");
    prices.SetText(L"A2", L"pine chair");
    excel.Select(L"$A$1:$A$2");
    host::WizardDriver run;
    run.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_CHANGECASE).PressFinish();
    ClickWithScript(callbacks, L"ChangeCase", run);
    excel.ActivateSheet(home);
    excel.DeleteSheet(L"Prices");
    host::WizardDriver undo;
    undo.LookAtMessageBoxes(album.MessageBoxPicture(L"undo-sheet-gone"));
    ClickWithScript(callbacks, L"UndoLast", undo);
    const auto& boxes = undo.ClosedMessageBoxes();
    if (boxes.size() != 1 || boxes.front().find(L"is no longer open") == std::wstring::npos)
        throw std::runtime_error("Undo Last Run after the sheet was deleted showed no message that says so");
}

}  // namespace

void TakeTour(host::Excel& excel, IDispatch* callbacks, PageAlbum& album) {
    excel.Select(L"$A$2:$D$4");
    TourWizard(callbacks, L"RemChars", {{IDD_SELECT_N, L"range"}, {IDD_SELCHARS, L"remove-characters"}}, album);
    TourPicker(excel, callbacks, album);
    TourWizard(callbacks, L"ChangeCase", {{IDD_SELECT_N, nullptr}, {IDD_CHANGECASE, L"change-case"}}, album);
    // With the heading row, so that the column list shows the headings.
    excel.Select(L"$A$1:$D$5");
    TourRemoveDuplicates(callbacks, album);
    excel.Select(L"$A$2:$B$5");
    TourMergeCellText(callbacks, album);
    TourUndoLastRun(excel, callbacks, album);
}

}  // namespace workbench
