// Every wizard page at the display scale the Wine prefix is set to (at-every-scale.cmd runs this program at 100%,
// 125%, 150% and 200%): the page is drawn at that scale, no caption is wider or taller than its control, no
// control leaves the page or covers another, Tab walks every control in reading order and the arrow keys a group
// top to bottom, the sheet's buttons stand together below the page, and the default is Next, or Finish last.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Dpi.h"
#include "framework/PropertySheet.h"
#include "tests/cleanup/WizardTest.h"

namespace {

using host::WizardView;

// The scale at-every-scale.cmd set the prefix to; 100% when the program runs on its own.
UINT ExpectedDpi() {
    wchar_t value[16] = {};
    return GetEnvironmentVariableW(L"CW_EXPECTED_DPI", value, 16) ? _wtoi(value) : framework::kDefaultDpi;
}

RECT RectIn(HWND control, HWND parent) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Within(const RECT& inner, const RECT& outer) {
    RECT both;
    return IntersectRect(&both, &inner, &outer) && EqualRect(&both, &inner);
}

// The button style of a button, -1 for any other control.
LONG ButtonType(HWND control) {
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    return lstrcmpiW(kind, L"Button") == 0 ? GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK : -1;
}

bool IsRadio(HWND control) { return ButtonType(control) == BS_AUTORADIOBUTTON; }

// Whether the caption fits the control: a push button keeps a margin round it, a radio or check box its box;
// statics and multi-line buttons wrap it.
bool CaptionFits(HWND control, UINT dpi) {
    wchar_t kind[16] = {}, caption[256] = {};
    GetClassNameW(control, kind, 16);
    const LONG style = GetWindowLongW(control, GWL_STYLE), type = ButtonType(control);
    const bool isStatic = lstrcmpiW(kind, L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
    if (!(isStatic || (type >= 0 && !(style & BS_BITMAP))) || !GetWindowTextW(control, caption, 256)) return true;
    RECT room;
    GetClientRect(control, &room);
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        InflateRect(&room, -framework::ScaleToDpi(3, dpi), -framework::ScaleToDpi(2, dpi));
    else if (type >= 0 && type != BS_GROUPBOX)
        room.right -= framework::ScaleToDpi(17, dpi);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needs{0, 0, room.right - room.left, 0};
    DrawTextW(dc, caption, -1, &needs, DT_CALCRECT | (isStatic || (style & BS_MULTILINE) ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return needs.right <= room.right - room.left && needs.bottom <= room.bottom - room.top;
}

// b comes after a as the page reads: on the same row (their heights meet) and to the right, or below.
bool ReadsAfter(const RECT& a, const RECT& b) {
    return b.top < a.bottom && a.top < b.bottom ? b.left >= a.right : b.top >= a.bottom;
}

std::string Id(HWND control) { return "control " + std::to_string(GetDlgCtrlID(control)); }

// What is wrong with the page as it shows now, one line each.
std::vector<std::string> Faults(const WizardView& view, bool lastPage, UINT dpi) {
    std::vector<std::string> faults;
    if (framework::DpiOfWindow(view.page) != dpi) faults.push_back("drawn at another scale");
    // Tab from the sheet's first control round to it again: the page's stops in reading order.
    std::vector<HWND> stops;
    for (HWND at = GetNextDlgTabItem(view.sheet, nullptr, FALSE), first = at; at && stops.size() < 64;) {
        if (GetParent(at) == view.page) stops.push_back(at);
        if ((at = GetNextDlgTabItem(view.sheet, at, FALSE)) == first) break;
    }
    for (size_t i = 1; i < stops.size(); ++i) {
        if (!ReadsAfter(RectIn(stops[i - 1], view.page), RectIn(stops[i], view.page)))
            faults.push_back("Tab goes from " + Id(stops[i - 1]) + " back to " + Id(stops[i]));
    }
    RECT page;
    GetClientRect(view.page, &page);
    std::vector<HWND> solid;  // all but group boxes, which frame others
    bool groupReached = true;
    HWND lastRadio = nullptr;  // of the group the walk is in; a radio is reached through its group's stop
    for (HWND child = GetWindow(view.page, GW_CHILD);; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!child || (GetWindowLongW(child, GWL_STYLE) & WS_GROUP)) {
            if (lastRadio && !groupReached) faults.push_back("Tab never reaches the group of " + Id(lastRadio));
            groupReached = false;
            lastRadio = nullptr;
        }
        if (!child) break;
        if (!IsWindowVisible(child)) continue;
        const RECT rect = RectIn(child, view.page);
        if (!Within(rect, page)) faults.push_back(Id(child) + " leaves the page");
        if (!CaptionFits(child, dpi)) faults.push_back(Id(child) + " cuts its caption");
        if (ButtonType(child) != BS_GROUPBOX) solid.push_back(child);
        const bool reached = std::find(stops.begin(), stops.end(), child) != stops.end();
        groupReached = groupReached || reached;
        if (IsRadio(child) && lastRadio && rect.top < RectIn(lastRadio, view.page).top)
            faults.push_back("the down arrow goes from " + Id(lastRadio) + " up to " + Id(child));
        if (IsRadio(child)) lastRadio = child;
        wchar_t kind[16] = {};
        GetClassNameW(child, kind, 16);
        if (!reached && !IsRadio(child) && IsWindowEnabled(child) && lstrcmpiW(kind, L"Static") != 0 &&
            ButtonType(child) != BS_GROUPBOX)
            faults.push_back("Tab never reaches " + Id(child));
    }
    for (size_t i = 0; i < solid.size(); ++i) {
        for (size_t j = i + 1; j < solid.size(); ++j) {
            RECT a = RectIn(solid[i], view.page), b = RectIn(solid[j], view.page), both;
            if (IntersectRect(&both, &a, &b)) faults.push_back(Id(solid[i]) + " and " + Id(solid[j]) + " overlap");
        }
    }
    // The sheet's buttons stand together inside it, below the page.
    RECT sheet;
    GetClientRect(view.sheet, &sheet);
    std::vector<RECT> buttons;
    for (HWND child = GetWindow(view.sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && ButtonType(child) >= 0) buttons.push_back(RectIn(child, view.sheet));
    }
    std::sort(buttons.begin(), buttons.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    for (size_t i = 0; i < buttons.size(); ++i) {
        const RECT& b = buttons[i];
        if (!Within(b, sheet) || b.top < RectIn(view.page, view.sheet).bottom ||
            (i > 0 && b.left - buttons[i - 1].right > (b.right - b.left) / 2))
            faults.push_back("a button of the sheet stands apart");
    }
    const LRESULT def = SendMessageW(view.sheet, DM_GETDEFID, 0, 0);
    const int expected = lastPage ? framework::ID_WIZFINISH : framework::ID_WIZNEXT;
    if (HIWORD(def) != DC_HASDEFID || LOWORD(def) != expected || !IsWindowEnabled(GetDlgItem(view.sheet, expected)))
        faults.push_back("the default button is " + std::to_string(LOWORD(def)));
    return faults;
}

// A stop on a tool's road through its wizard: the page, reached with Next (or Back), the radio checked on it
// before it is looked at, and whether it is the tool's last page.
struct Stop {
    UINT page;
    int check = 0;
    bool last = false;
    bool back = false;
};
struct Road {
    long tool;
    std::vector<Stop> stops;
};

class PagesAtScale : public cwtest::WizardTest, public testing::WithParamInterface<Road> {};

TEST_P(PagesAtScale, every_page_fits_its_texts_reads_in_tab_order_and_defaults_to_the_next_step) {
    const UINT dpi = ExpectedDpi();
    for (const wchar_t* cell : {L"A1", L"A2", L"B1", L"B2"}) Cells().SetText(cell, cell);
    Excel().Select(L"$A$1:$B$2");
    std::ostringstream report;
    host::WizardDriver driver;
    for (const Stop& stop : GetParam().stops) {
        if (&stop != &GetParam().stops.front()) stop.back ? driver.PressBack() : driver.PressNext();
        driver.WaitForPage(stop.page);
        if (stop.check) driver.CheckRadio(stop.check);
        driver.Do("look at the page", [&report, stop, dpi](const WizardView& view) {
            // Measured in the pixels the page is drawn in, as per-monitor aware Excel sees them.
            framework::ScopedPerMonitorDpiAwareness perMonitor;
            for (const std::string& fault : Faults(view, stop.last, dpi))
                report << "page " << stop.page << " at " << dpi << " DPI: " << fault << "\n";
        });
    }
    driver.PressCancel();
    ASSERT_TRUE(Run(driver, GetParam().tool)) << driver.Report();
    EXPECT_EQ(report.str(), "");
}

const Road kRoads[] = {
    {cwtest::kRemoveDuplicates, {{IDD_SELECT}, {IDD_DUP_COLUMNS}, {IDD_DUP_ACTION, IDC_ACTION_COLOR, true}}},
    {cwtest::kRemoveCharacters, {{IDD_SELECT_N}, {IDD_SELCHARS, 0, true}}},
    {cwtest::kChangeCase, {{IDD_SELECT_N}, {IDD_CHANGECASE, 0, true}}},
    {static_cast<long>(CMyAddin::Tool::MergeCellText),
     {{IDD_SELECT_N}, {IDD_SELECT_MERGE, IDC_OPTION_1}, {IDD_MERGE_BY_ROW, 0, true},
      {IDD_SELECT_MERGE, IDC_OPTION_2, false, true}, {IDD_MERGE_BY_COLUMN, 0, true},
      {IDD_SELECT_MERGE, IDC_OPTION_3, false, true}, {IDD_MERGE_IN_A_CELL, 0, true}}},
};
INSTANTIATE_TEST_SUITE_P(EveryTool, PagesAtScale, testing::ValuesIn(kRoads));

}  // namespace
