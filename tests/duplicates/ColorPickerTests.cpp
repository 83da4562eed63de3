// The colour list of "Choose Action" as the page holds it: its items, their order and colours, its style,
// and how it paints an item in each state.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/cleanup/WizardTest.h"
#include "ui/ColorPickerCB.h"

namespace {

using host::WizardDriver;
using host::WizardView;

class ColorList : public cwtest::WizardTest {
protected:
    // Runs a step on the "Choose Action" page of a Remove Duplicates wizard over two cells, then cancels it.
    bool OnActionPage(const std::function<void(HWND page, HWND list)>& step) {
        Cells().SetText(L"A1", L"a");
        Cells().SetText(L"A2", L"b");
        Excel().Select(L"$A$1:$A$2");
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT).PressNext().WaitForPage(IDD_DUP_COLUMNS).PressNext().WaitForPage(IDD_DUP_ACTION);
        driver.Do("look at the colour list",
                  [&](const WizardView& view) { step(view.page, GetDlgItem(view.page, IDC_COLOR_LIST)); });
        driver.PressCancel();
        bool done = Run(driver, cwtest::kRemoveDuplicates);
        EXPECT_TRUE(done) << driver.Report();
        return done;
    }
};

// A 32-bit picture the item is painted into; pixels read back as COLORREFs.
class Canvas {
public:
    Canvas(int width, int height) : m_dc(CreateCompatibleDC(nullptr)), m_width(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        DWORD rgb = m_bits[y * m_width + x];
        return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }

private:
    HDC m_dc;
    int m_width;
    DWORD* m_bits = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

TEST_F(ColorList, it_holds_the_35_colours_in_name_order_each_with_its_colorref) {
    std::vector<std::wstring> names;
    std::vector<COLORREF> colors;
    std::vector<std::wstring> rowNames;  // what a screen reader reads from the drop-down list's rows
    LONG style = 0;
    OnActionPage([&](HWND, HWND list) {
        style = GetWindowLongW(list, GWL_STYLE);
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        GetComboBoxInfo(list, &info);
        for (int row = 0; row < static_cast<int>(SendMessageW(info.hwndList, LB_GETCOUNT, 0, 0)); ++row) {
            wchar_t name[64] = {};
            SendMessageW(info.hwndList, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(name));
            rowNames.push_back(name);
        }
        int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t name[64] = {};
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            names.push_back(name);
            colors.push_back(static_cast<COLORREF>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
        }
    });
    ASSERT_EQ(names.size(), 35u);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], ColorChoices()[i].name) << "item " << i;
        EXPECT_EQ(colors[i], ColorChoices()[i].color) << names[i];
        if (i > 0) {
            EXPECT_EQ(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, names[i - 1].c_str(), -1, names[i].c_str(), -1),
                      CSTR_LESS_THAN)
                << names[i];
        }
    }
    EXPECT_TRUE(names[0] == L"Aqua" && colors[0] == 0xFFFF00u && names[26] == L"Red" && colors[26] == 0x0000FFu);
    EXPECT_EQ(rowNames, names);
    // The scroll bar belongs to the drop-down list, not to the combo's own window.
    const LONG wanted = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT | WS_TABSTOP;
    EXPECT_EQ(style & wanted, wanted);
}

TEST_F(ColorList, an_item_paints_a_framed_swatch_over_its_left_quarter_on_the_background_of_its_state) {
    struct Case {
        const char* what;
        int item;
        UINT state;
        COLORREF background;
        COLORREF swatch;  // CLR_INVALID: no swatch
    } cases[] = {
        {"plain", 26, 0, GetSysColor(COLOR_WINDOW), 0x0000FF},
        {"selected", 26, ODS_SELECTED, GetSysColor(COLOR_HIGHLIGHT), 0x0000FF},
        {"disabled", 26, ODS_DISABLED, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_GRAYTEXT)},
        {"focused", 0, ODS_FOCUS | ODS_SELECTED, GetSysColor(COLOR_HIGHLIGHT), 0xFFFF00},
        {"no item", -1, 0, GetSysColor(COLOR_WINDOW), CLR_INVALID},
    };
    for (const Case& c : cases) {
        Canvas canvas(120, 16);
        COLORREF inside = 0xdeadbeef, frame = 0xdeadbeef, background = 0xdeadbeef, rightOfSwatch = 0xdeadbeef;
        OnActionPage([&](HWND page, HWND list) {
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_COMBOBOX;
            item.CtlID = IDC_COLOR_LIST;
            item.itemID = static_cast<UINT>(c.item);
            item.itemAction = ODA_DRAWENTIRE;
            item.itemState = c.state;
            item.hwndItem = list;
            item.hDC = canvas.Dc();
            item.rcItem = RECT{0, 0, 120, 16};
            item.itemData = c.item < 0 ? 0 : static_cast<ULONG_PTR>(SendMessageW(list, CB_GETITEMDATA, c.item, 0));
            SendMessageW(page, WM_DRAWITEM, IDC_COLOR_LIST, reinterpret_cast<LPARAM>(&item));
            inside = canvas.At(15, 8);
            frame = canvas.At(2, 8);
            rightOfSwatch = canvas.At(30, 8);
            background = canvas.At(110, 8);
        });
        EXPECT_EQ(background, c.background) << c.what;
        EXPECT_EQ(rightOfSwatch, c.background) << c.what << ": the swatch ends at a quarter of the width";
        if (c.swatch == CLR_INVALID) {
            EXPECT_EQ(inside, c.background) << c.what;
            continue;
        }
        EXPECT_EQ(inside, c.swatch) << c.what;
        EXPECT_EQ(frame, RGB(0, 0, 0)) << c.what << ": a one-pixel black frame";
    }
}

}  // namespace
