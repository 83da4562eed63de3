// Every wizard page at the display scale the Wine prefix is set to (LogPixels; at-every-scale.cmd runs this
// program at 100%, 125%, 150% and 200%): the wizard is drawn at that scale, no control's text is wider or taller than
// the control, no control leaves its page or covers another, Tab walks every control in reading order, and the
// default button is Next, or Finish on a tool's last page.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Dpi.h"
#include "framework/PropertySheet.h"
#include "tests/cleanup/WizardTest.h"

namespace {

using host::WizardView;

// The scale at-every-scale.cmd set the prefix to before starting this program; 100% when run on its own.
UINT ExpectedDpi() {
    wchar_t value[16] = {};
    return GetEnvironmentVariableW(L"CW_EXPECTED_DPI", value, 16) ? static_cast<UINT>(_wtoi(value))
                                                                 : framework::kDefaultDpi;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

RECT RectIn(HWND control, HWND page) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The size the control's text needs, drawn in the control's font, wrapped to width where the control wraps.
SIZE TextNeeds(HWND control, const std::wstring& text, int width, bool wraps) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{rect.right, rect.bottom};
}

std::wstring ClassOf(HWND control) {
    wchar_t kind[32] = {};
    GetClassNameW(control, kind, 32);
    return kind;
}

LONG ButtonType(HWND control) {
    return lstrcmpiW(ClassOf(control).c_str(), L"Button") == 0 ? GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK : -1;
}

bool IsRadio(HWND control) {
    const LONG type = ButtonType(control);
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool TakesInput(HWND control) {
    return lstrcmpiW(ClassOf(control).c_str(), L"Static") != 0 && ButtonType(control) != BS_GROUPBOX;
}

// A caption the control shows (not its content, not a picture's id), or nothing.
std::wstring Caption(HWND control) {
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool shown = (lstrcmpiW(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT) ||
                       (lstrcmpiW(kind.c_str(), L"Button") == 0 && !(style & (BS_BITMAP | BS_ICON)));
    wchar_t text[256] = {};
    if (shown) GetWindowTextW(control, text, 256);
    return text;
}

// The room a control gives its caption: a push button's face keeps a margin, a radio or check box its box.
SIZE CaptionRoom(HWND control, UINT dpi) {
    RECT client;
    GetClientRect(control, &client);
    SIZE room{client.right, client.bottom};
    const LONG type = ButtonType(control);
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        room.cx -= 2 * framework::ScaleToDpi(3, dpi);
        room.cy -= 2 * framework::ScaleToDpi(2, dpi);
    } else if (type >= 0 && type != BS_GROUPBOX) {
        room.cx -= framework::ScaleToDpi(17, dpi);
    }
    return room;
}

// b comes after a as the page reads: on the same row (their heights meet) and to the right, or below.
bool ReadsAfter(const RECT& a, const RECT& b) {
    const bool sameRow = b.top < a.bottom && a.top < b.bottom;
    return sameRow ? b.left >= a.right : b.top >= a.bottom;
}

std::string Box(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Id(HWND control) { return "control " + std::to_string(GetDlgCtrlID(control)); }

// The page's Tab stops in the order Tab meets them, from the sheet's first control round to it again.
std::vector<HWND> TabStops(const WizardView& view) {
    std::vector<HWND> stops;
    HWND first = GetNextDlgTabItem(view.sheet, nullptr, FALSE);
    for (HWND at = first; at && stops.size() < 64;) {
        if (GetParent(at) == view.page) stops.push_back(at);
        at = GetNextDlgTabItem(view.sheet, at, FALSE);
        if (at == first) break;
    }
    return stops;
}

// What is wrong with the page as it shows now, one line each.
std::vector<std::string> Faults(const WizardView& view, bool lastPage, UINT expectedDpi) {
    std::vector<std::string> faults;
    const UINT dpi = framework::DpiOfWindow(view.page);
    if (dpi != expectedDpi) faults.push_back("drawn at " + std::to_string(dpi) + " DPI");
    RECT page;
    GetClientRect(view.page, &page);
    const std::vector<HWND> stops = TabStops(view);
    for (size_t i = 1; i < stops.size(); ++i) {
        if (!ReadsAfter(RectIn(stops[i - 1], view.page), RectIn(stops[i], view.page)))
            faults.push_back("Tab goes from " + Id(stops[i - 1]) + " back to " + Id(stops[i]));
    }

    std::vector<std::pair<HWND, RECT>> solid;  // all but group boxes, which frame others
    bool groupReached = true;
    HWND lastRadio = nullptr;  // of the current group
    const auto endGroup = [&] {
        if (lastRadio && !groupReached) faults.push_back("Tab never reaches the group of " + Id(lastRadio));
        groupReached = false;
        lastRadio = nullptr;
    };
    for (HWND child = GetWindow(view.page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        const RECT rect = RectIn(child, view.page);
        RECT inside;
        if (!IntersectRect(&inside, &rect, &page) || !EqualRect(&inside, &rect)) faults.push_back(Id(child) + " leaves the page: " + Box(rect) + " in " + Box(page));
        if (ButtonType(child) != BS_GROUPBOX) solid.push_back({child, rect});
        const std::wstring caption = Caption(child);
        if (!caption.empty()) {
            const SIZE room = CaptionRoom(child, dpi);
            const bool wraps = ButtonType(child) < 0 || (GetWindowLongW(child, GWL_STYLE) & BS_MULTILINE);
            const SIZE needs = TextNeeds(child, caption, room.cx, wraps);
            if (needs.cx > room.cx || needs.cy > room.cy)
                faults.push_back(Id(child) + " \"" + Narrow(caption) + "\" needs " + std::to_string(needs.cx) + "x" +
                                 std::to_string(needs.cy) + " pixels, has " + std::to_string(room.cx) + "x" +
                                 std::to_string(room.cy));
        }
        // A radio button is reached through its group's stop; the arrow keys walk the group in template order.
        if (GetWindowLongW(child, GWL_STYLE) & WS_GROUP) endGroup();
        const bool reached = std::find(stops.begin(), stops.end(), child) != stops.end();
        groupReached = groupReached || reached;
        if (IsRadio(child)) {
            if (lastRadio && rect.top < RectIn(lastRadio, view.page).top)
                faults.push_back("the down arrow goes from " + Id(lastRadio) + " up to " + Id(child));
            lastRadio = child;
        }
        if (!reached && !IsRadio(child) && IsWindowEnabled(child) && TakesInput(child))
            faults.push_back("Tab never reaches " + Id(child));
    }
    endGroup();
    for (size_t i = 0; i < solid.size(); ++i) {
        for (size_t j = i + 1; j < solid.size(); ++j) {
            RECT both;
            if (IntersectRect(&both, &solid[i].second, &solid[j].second))
                faults.push_back(Id(solid[i].first) + " and " + Id(solid[j].first) + " overlap");
        }
    }

    // The sheet's buttons stand together in its lower right corner, inside it, below the page.
    RECT sheet, pageInSheet = RectIn(view.page, view.sheet);
    GetClientRect(view.sheet, &sheet);
    std::vector<RECT> buttons;
    for (HWND child = GetWindow(view.sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && ButtonType(child) >= 0) buttons.push_back(RectIn(child, view.sheet));
    }
    std::sort(buttons.begin(), buttons.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    for (size_t i = 0; i < buttons.size(); ++i) {
        RECT inside;
        const RECT& b = buttons[i];
        if (!IntersectRect(&inside, &b, &sheet) || !EqualRect(&inside, &b) || b.top < pageInSheet.bottom ||
            (i > 0 && b.left - buttons[i - 1].right > (b.right - b.left) / 2))
            faults.push_back("the sheet's button at " + Box(b) + " stands apart in " + Box(sheet));
    }

    const LRESULT def = SendMessageW(view.sheet, DM_GETDEFID, 0, 0);
    const int expected = lastPage ? framework::ID_WIZFINISH : framework::ID_WIZNEXT;
    HWND button = GetDlgItem(view.sheet, expected);
    if (HIWORD(def) != DC_HASDEFID || LOWORD(def) != expected || !IsWindowVisible(button) || !IsWindowEnabled(button))
        faults.push_back("the default button is " + std::to_string(LOWORD(def)) + ", not " + std::to_string(expected));
    return faults;
}

// One stop on a tool's road through its wizard: the page, reached with Next (or Back), the radio checked on it
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
    Cells().SetText(L"A1", L"Name");
    Cells().SetText(L"A2", L"Anna");
    Cells().SetText(L"B1", L"City");
    Cells().SetText(L"B2", L"Oslo");
    Excel().Select(L"$A$1:$B$2");
    std::ostringstream report;
    host::WizardDriver driver;
    for (size_t i = 0; i < GetParam().stops.size(); ++i) {
        const Stop stop = GetParam().stops[i];
        if (i > 0) stop.back ? driver.PressBack() : driver.PressNext();
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
     {{IDD_SELECT_N},
      {IDD_SELECT_MERGE, IDC_OPTION_1},
      {IDD_MERGE_BY_ROW, 0, true},
      {IDD_SELECT_MERGE, IDC_OPTION_2, false, true},
      {IDD_MERGE_BY_COLUMN, 0, true},
      {IDD_SELECT_MERGE, IDC_OPTION_3, false, true},
      {IDD_MERGE_IN_A_CELL, 0, true}}},
};
INSTANTIATE_TEST_SUITE_P(EveryTool, PagesAtScale, testing::ValuesIn(kRoads));

}  // namespace
