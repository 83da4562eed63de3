// The Remove Duplicates wizard opened as the ribbon opens it and driven for real: "Choose Columns" and its
// ticks, "Choose Action" and its colour list, what Finish does, and what the user is told when it fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ExcelError.h"
#include "tests/cleanup/EngineTest.h"
#include "tests/cleanup/WizardTest.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using cwtest::IsText;
using cwtest::ListRow;
using cwtest::WizardButtons;
using cwtest::WizardDriver;
using cwtest::WizardView;

constexpr long kTool = CMyAddin::kRemoveDuplicates;

class DuplicatesWizard : public cwtest::WizardTest {
protected:
    // Range page, then Next to "Choose Columns".
    static WizardDriver& ToColumns(WizardDriver& driver) {
        return driver.WaitForPage(IDD_SELECT).PressNext().WaitForPage(IDD_DUP_COLUMNS);
    }
    static WizardDriver& ToAction(WizardDriver& driver) {
        return ToColumns(driver).PressNext().WaitForPage(IDD_DUP_ACTION);
    }

    static std::vector<bool> Ticks(const std::vector<ListRow>& rows) {
        std::vector<bool> ticks;
        for (const ListRow& row : rows) ticks.push_back(row.checked);
        return ticks;
    }

    // C5:E9: row 5 holds the headings; row 8 repeats row 7 in every column, row 9 repeats row 6 in C and D.
    void FillList() {
        const wchar_t* const c[] = {L"Name", L"ann", L"ann", L"ann", L"ann"};
        const wchar_t* const d[] = {L"City", L"rome", L"oslo", L"oslo", L"rome"};
        const double e[] = {0.5, 1, 3, 3, 2};
        for (long r = 5; r <= 9; ++r) {
            Cells().SetText(L"C" + std::to_wstring(r), c[r - 5]);
            Cells().SetText(L"D" + std::to_wstring(r), d[r - 5]);
            Cells().SetNumber(L"E" + std::to_wstring(r), e[r - 5]);
        }
        Cells().SetNumberFormat(L"E5", L"0%");
        Excel().Select(L"$C$5:$E$9");
    }
};

TEST_F(DuplicatesWizard, choose_columns_lists_the_ranges_columns_with_their_first_row_text_all_ticked) {
    FillList();
    std::vector<ListRow> rows;
    std::wstring caption;
    WizardButtons buttons;
    WizardDriver driver;
    ToColumns(driver).ReadListView(IDC_COLUMN_LIST, rows).ReadText(IDC_CHECK_ALL, caption).ReadButtons(buttons);
    driver.PressCancel();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    ASSERT_EQ(rows.size(), 3u);
    const wchar_t* const letters[] = {L"C", L"D", L"E"};
    const wchar_t* const texts[] = {L"Name", L"City", L"50%"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].texts, (std::vector<std::wstring>{letters[i], texts[i]})) << "item " << i;
        EXPECT_TRUE(rows[i].checked) << "item " << i;
    }
    EXPECT_EQ(caption, L"Uncheck All");
    EXPECT_TRUE(buttons.back);
    EXPECT_TRUE(buttons.next);
    EXPECT_FALSE(buttons.finish);
}

TEST_F(DuplicatesWizard, the_button_unticks_and_ticks_every_item_and_ticking_by_hand_leaves_its_caption) {
    FillList();
    std::vector<ListRow> afterFirst, afterSecond, byHand;
    std::wstring firstCaption, secondCaption, handCaption;
    cwtest::MessageBoxRecorder messages;
    WizardDriver driver;
    ToColumns(driver)
        .Click(IDC_CHECK_ALL)
        .ReadListView(IDC_COLUMN_LIST, afterFirst)
        .ReadText(IDC_CHECK_ALL, firstCaption)
        .Click(IDC_CHECK_ALL)
        .ReadListView(IDC_COLUMN_LIST, afterSecond)
        .ReadText(IDC_CHECK_ALL, secondCaption);
    for (int i = 0; i < 3; ++i) driver.SetListCheck(IDC_COLUMN_LIST, i, false);
    driver.PressNext()
        .WaitForPage(IDD_DUP_COLUMNS)
        .ReadListView(IDC_COLUMN_LIST, byHand)
        .ReadText(IDC_CHECK_ALL, handCaption)
        .PressCancel();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    EXPECT_EQ(Ticks(afterFirst), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(firstCaption, L"Check All");
    EXPECT_EQ(Ticks(afterSecond), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(secondCaption, L"Uncheck All");
    EXPECT_EQ(Ticks(byHand), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(handCaption, L"Uncheck All");
    ASSERT_EQ(messages.Count(), 1u) << "Next with nothing ticked";
    EXPECT_EQ(messages.Messages()[0].text, L"Select at least one column !");
    EXPECT_EQ(messages.Messages()[0].flags & (MB_TYPEMASK | MB_ICONMASK), static_cast<UINT>(MB_OK));
}

TEST_F(DuplicatesWizard, the_ticked_columns_make_the_key_and_back_and_next_keep_the_ticks) {
    // Unticking all, then ticking D and C: the key C|D, under which rows 8 and 9 repeat rows 7 and 6.
    FillList();
    std::vector<ListRow> afterBack;
    WizardDriver driver;
    ToColumns(driver)
        .Click(IDC_CHECK_ALL)
        .SetListCheck(IDC_COLUMN_LIST, 1, true)
        .SetListCheck(IDC_COLUMN_LIST, 0, true)
        .PressBack()
        .WaitForPage(IDD_SELECT)
        .PressNext()
        .WaitForPage(IDD_DUP_COLUMNS)
        .ReadListView(IDC_COLUMN_LIST, afterBack)
        .PressNext()
        .WaitForPage(IDD_DUP_ACTION)
        .CheckRadio(IDC_ACTION_DELETE)
        .PressFinish();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    EXPECT_EQ(Ticks(afterBack), (std::vector<bool>{true, true, false}));
    for (long r = 5; r <= 9; ++r) {
        bool duplicate = r >= 8;
        for (const wchar_t* column : {L"C", L"D", L"E"})
            EXPECT_EQ(Cells().At(column + std::to_wstring(r)).IsEmpty(), duplicate) << column << r;
    }
}

TEST_F(DuplicatesWizard, choose_action_starts_on_select_with_aqua_shown_and_the_list_enabled_for_color_only) {
    FillList();
    std::vector<bool> checks(3);
    bool enabledAtFirst = true, enabledForColor = false, enabledForDelete = true, enabledForSelect = true;
    int index = -1;
    DWORD_PTR data = 0;
    WizardButtons buttons;
    WizardDriver driver;
    ToAction(driver).ReadButtons(buttons);
    for (int i = 0; i < 3; ++i) {
        driver.Do("read radio " + std::to_string(i), [&checks, i](const WizardView& view) {
            checks[static_cast<size_t>(i)] = IsDlgButtonChecked(view.page, IDC_ACTION_SELECT + i) == BST_CHECKED;
        });
    }
    driver.Do("read the list's state",
              [&](const WizardView& view) { enabledAtFirst = IsWindowEnabled(GetDlgItem(view.page, IDC_COLOR_LIST)); })
        .CheckRadio(IDC_ACTION_COLOR)
        .ReadEnabled(IDC_COLOR_LIST, enabledForColor)
        .SelectComboItem(IDC_COLOR_LIST, 26)
        .CheckRadio(IDC_ACTION_DELETE)
        .Do("read the list's state",
            [&](const WizardView& view) { enabledForDelete = IsWindowEnabled(GetDlgItem(view.page, IDC_COLOR_LIST)); })
        .CheckRadio(IDC_ACTION_SELECT)
        .Do("read the list's state and choice",
            [&](const WizardView& view) {
                HWND list = GetDlgItem(view.page, IDC_COLOR_LIST);
                enabledForSelect = IsWindowEnabled(list);
                index = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
                data = static_cast<DWORD_PTR>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
            })
        .PressCancel();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    EXPECT_EQ(checks, (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(enabledAtFirst);
    EXPECT_TRUE(enabledForColor);
    EXPECT_FALSE(enabledForDelete);
    EXPECT_FALSE(enabledForSelect);
    EXPECT_EQ(index, 26) << "the choice stays while the list is off";
    EXPECT_EQ(data, 0x0000FFu);
    EXPECT_TRUE(buttons.back);
    EXPECT_TRUE(buttons.finish);
    EXPECT_FALSE(buttons.next);
}

TEST_F(DuplicatesWizard, finish_colours_the_duplicate_rows_with_the_chosen_colour) {
    struct Case {
        int item;  // -1: the list never opened
        COLORREF color;
    } cases[] = {{-1, 0xFFFF00}, {26, 0x0000FF}, {2, 0xFF0000}};
    for (const Case& c : cases) {
        FillList();
        Cells().SetInteriorColor(L"A1:F10", CLR_INVALID);
        WizardDriver driver;
        ToAction(driver).CheckRadio(IDC_ACTION_COLOR);
        if (c.item >= 0) driver.SelectComboItem(IDC_COLOR_LIST, c.item);
        driver.PressFinish();
        ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
        // Every column ticked: only row 8 repeats a row.
        for (long r = 5; r <= 9; ++r) {
            bool duplicate = r == 8;
            EXPECT_EQ(Cells().At(L"D" + std::to_wstring(r)).interiorColor,
                      duplicate ? std::optional<COLORREF>(c.color) : std::nullopt)
                << "row " << r << " item " << c.item;
        }
    }
}

TEST_F(DuplicatesWizard, finish_with_select_selects_the_duplicate_rows_and_closes_the_wizard) {
    FillList();
    WizardDriver driver;
    ToAction(driver).PressFinish();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    EXPECT_EQ(Excel().SelectionAddress(), L"$C$8:$E$8");
}

TEST_F(DuplicatesWizard, a_one_cell_range_lists_nothing_and_only_back_or_cancel_lead_away) {
    Cells().SetText(L"B2", L"alone");
    Excel().Select(L"$B$2");
    std::vector<ListRow> rows(1);
    UINT page = 0;
    cwtest::MessageBoxRecorder messages;
    WizardDriver driver;
    ToColumns(driver).ReadListView(IDC_COLUMN_LIST, rows).PressNext().ReadPage(page).PressCancel();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(page, static_cast<UINT>(IDD_DUP_COLUMNS));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, L"Select at least one column !");
}

TEST_F(DuplicatesWizard, a_failure_is_shown_with_excels_description_and_the_wizard_stays_open) {
    // A protected sheet refuses Delete; a chart selected instead of cells fails while the list is filled.
    FillList();
    Excel().SetProtected(true);
    {
        cwtest::MessageBoxRecorder messages;
        UINT page = 0;
        WizardDriver driver;
        ToAction(driver).CheckRadio(IDC_ACTION_DELETE).PressFinish().WaitForPage(IDD_DUP_ACTION).ReadPage(page);
        driver.PressCancel();
        ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, host::message::Protected);
        EXPECT_EQ(messages.Messages()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(page, static_cast<UINT>(IDD_DUP_ACTION));
    }
    EXPECT_TRUE(IsText(Cells().At(L"C8"), L"ann"));
    Excel().SetProtected(false);

    Excel().SelectChart();
    cwtest::MessageBoxRecorder messages;
    std::vector<ListRow> rows(1);
    WizardDriver driver;
    ToColumns(driver).ReadListView(IDC_COLUMN_LIST, rows).PressCancel();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, sheet::kSelectionIsNotCells);
    EXPECT_EQ(messages.Messages()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(rows.empty());
}

TEST_F(DuplicatesWizard, whole_columns_of_a_long_list_go_through_the_wizard_past_the_limit) {
    for (long r = 1; r <= 1500; ++r) {
        Cells().SetText(L"A" + std::to_wstring(r), L"k" + std::to_wstring(r % 500));
        Cells().SetText(L"B" + std::to_wstring(r), L"v" + std::to_wstring(r));
    }
    Excel().Select(L"$A:$B");
    WizardDriver driver;
    ToColumns(driver).SetListCheck(IDC_COLUMN_LIST, 1, false).PressNext().WaitForPage(IDD_DUP_ACTION);
    driver.CheckRadio(IDC_ACTION_DELETE).PressFinish();
    ASSERT_TRUE(Run(driver, kTool)) << driver.Report();
    EXPECT_EQ(Cells().ContentCount(), 1000u) << "rows 501 to 1500 repeat rows 1 to 500 in A";
    EXPECT_TRUE(IsText(Cells().At(L"B500"), L"v500"));
    EXPECT_TRUE(Cells().At(L"B501").IsEmpty());
}

}  // namespace
