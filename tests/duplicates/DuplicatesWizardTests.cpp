// The Remove Duplicates wizard opened as the ribbon opens it and driven for real: "Choose Columns" and its
// ticks, "Choose Action" and its colour list, what Finish does, and what the user is told when it fails.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/excel/ExcelError.h"
#include "sheet/SelectionAreas.h"
#include "tests/cleanup/EngineTest.h"
#include "tests/cleanup/WizardTest.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using host::ListRow;
using host::WizardButtons;
using host::WizardDriver;
using host::WizardView;

class DuplicatesWizard : public cwtest::WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        // C5:E9 under headings in row 5: row 8 repeats row 7 in every column, row 9 repeats row 6 in C and D.
        const wchar_t* const d[] = {L"City", L"rome", L"oslo", L"oslo", L"rome"};
        const double e[] = {0.5, 1, 3, 3, 2};
        for (long r = 5; r <= 9; ++r) {
            Cells().SetText(L"C" + std::to_wstring(r), r == 5 ? L"Name" : L"ann");
            Cells().SetText(L"D" + std::to_wstring(r), d[r - 5]);
            Cells().SetNumber(L"E" + std::to_wstring(r), e[r - 5]);
        }
        Cells().SetNumberFormat(L"E5", L"0%");
        Excel().Select(L"$C$5:$E$9");
    }

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
    // The rows of C5:E9 whose D cell has the fill.
    std::vector<long> Filled(COLORREF color) {
        std::vector<long> rows;
        for (long r = 5; r <= 9; ++r)
            if (Cells().At(L"D" + std::to_wstring(r)).interiorColor == color) rows.push_back(r);
        return rows;
    }
};

TEST_F(DuplicatesWizard, choose_columns_lists_the_columns_with_their_first_row_text_all_ticked) {
    std::vector<ListRow> rows;
    std::wstring caption;
    WizardButtons buttons;
    WizardDriver driver;
    ToColumns(driver).ReadListView(IDC_COLUMN_LIST, rows).ReadText(IDC_CHECK_ALL, caption).ReadButtons(buttons);
    ASSERT_TRUE(Run(driver.PressCancel(), cwtest::kRemoveDuplicates)) << driver.Report();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts, (std::vector<std::wstring>{L"C", L"Name"}));
    EXPECT_EQ(rows[1].texts, (std::vector<std::wstring>{L"D", L"City"}));
    EXPECT_EQ(rows[2].texts, (std::vector<std::wstring>{L"E", L"50%"}));
    EXPECT_EQ(Ticks(rows), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(caption, L"Uncheck All");
    EXPECT_TRUE(buttons.back && buttons.next && !buttons.finish);
}

TEST_F(DuplicatesWizard, the_button_unticks_and_ticks_all_and_next_needs_a_tick) {
    std::vector<ListRow> first, second, byHand;
    std::wstring firstCaption, secondCaption, handCaption;
    cwtest::MessageBoxRecorder messages;
    WizardDriver driver;
    ToColumns(driver)
        .Click(IDC_CHECK_ALL)
        .ReadListView(IDC_COLUMN_LIST, first)
        .ReadText(IDC_CHECK_ALL, firstCaption)
        .Click(IDC_CHECK_ALL)
        .ReadListView(IDC_COLUMN_LIST, second)
        .ReadText(IDC_CHECK_ALL, secondCaption);
    for (int i = 0; i < 3; ++i) driver.SetListCheck(IDC_COLUMN_LIST, i, false);
    driver.PressNext().WaitForPage(IDD_DUP_COLUMNS).ReadListView(IDC_COLUMN_LIST, byHand).ReadText(IDC_CHECK_ALL, handCaption);
    ASSERT_TRUE(Run(driver.PressCancel(), cwtest::kRemoveDuplicates)) << driver.Report();
    EXPECT_EQ(Ticks(first), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(firstCaption, L"Check All");
    EXPECT_EQ(Ticks(second), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(secondCaption, L"Uncheck All");
    EXPECT_EQ(Ticks(byHand), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(handCaption, L"Uncheck All") << "ticking by hand leaves the caption";
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, L"Select at least one column !");
    EXPECT_EQ(messages.Messages()[0].flags & (MB_TYPEMASK | MB_ICONMASK), static_cast<UINT>(MB_OK));
}

TEST_F(DuplicatesWizard, the_ticked_columns_make_the_key_and_back_and_next_keep_the_ticks) {
    // Unticking all, then ticking D and C: under the key C|D rows 8 and 9 repeat rows 7 and 6.
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
    ASSERT_TRUE(Run(driver, cwtest::kRemoveDuplicates)) << driver.Report();
    EXPECT_EQ(Ticks(afterBack), (std::vector<bool>{true, true, false}));
    for (long r = 5; r <= 9; ++r)
        for (const wchar_t* column : {L"C", L"D", L"E"})
            EXPECT_EQ(Cells().At(column + std::to_wstring(r)).IsEmpty(), r >= 8) << column << r;
}

TEST_F(DuplicatesWizard, choose_action_starts_on_select_with_aqua_and_the_list_enabled_for_color_only) {
    bool checks[3] = {}, enabled[4] = {true, false, true, true};
    int index = -1;
    DWORD_PTR data = 0;
    WizardButtons buttons;
    auto readEnabled = [&](int i) {
        return [&, i](const WizardView& view) { enabled[i] = IsWindowEnabled(GetDlgItem(view.page, IDC_COLOR_LIST)); };
    };
    WizardDriver driver;
    ToAction(driver).ReadButtons(buttons).Do("read the radios", [&](const WizardView& view) {
        for (int i = 0; i < 3; ++i) checks[i] = IsDlgButtonChecked(view.page, IDC_ACTION_SELECT + i) == BST_CHECKED;
    });
    driver.Do("read the list", readEnabled(0))
        .CheckRadio(IDC_ACTION_COLOR)
        .Do("read the list", readEnabled(1))
        .SelectComboItem(IDC_COLOR_LIST, 26)
        .CheckRadio(IDC_ACTION_DELETE)
        .Do("read the list", readEnabled(2))
        .CheckRadio(IDC_ACTION_SELECT)
        .Do("read the list", readEnabled(3))
        .Do("read the choice", [&](const WizardView& view) {
            index = static_cast<int>(SendDlgItemMessageW(view.page, IDC_COLOR_LIST, CB_GETCURSEL, 0, 0));
            data = static_cast<DWORD_PTR>(SendDlgItemMessageW(view.page, IDC_COLOR_LIST, CB_GETITEMDATA, index, 0));
        });
    ASSERT_TRUE(Run(driver.PressCancel(), cwtest::kRemoveDuplicates)) << driver.Report();
    EXPECT_TRUE(checks[0] && !checks[1] && !checks[2]);
    EXPECT_TRUE(!enabled[0] && enabled[1] && !enabled[2] && !enabled[3]);
    EXPECT_EQ(index, 26) << "the choice stays while the list is off";
    EXPECT_EQ(data, 0x0000FFu);
    EXPECT_TRUE(buttons.back && buttons.finish && !buttons.next);
}

TEST_F(DuplicatesWizard, finish_runs_the_chosen_action_with_the_chosen_colour_and_closes_the_wizard) {
    // Every column ticked: only row 8 repeats a row. Item -1: the colour list never touched.
    struct Case {
        int radio;
        int item;
        COLORREF color;
    } cases[] = {{IDC_ACTION_COLOR, -1, 0xFFFF00}, {IDC_ACTION_COLOR, 26, 0x0000FF}, {IDC_ACTION_COLOR, 2, 0xFF0000},
                 {IDC_ACTION_SELECT, -1, CLR_INVALID}};
    for (const Case& c : cases) {
        Cells().SetInteriorColor(L"C5:E9", CLR_INVALID);
        WizardDriver driver;
        ToAction(driver).CheckRadio(c.radio);
        if (c.item >= 0) driver.SelectComboItem(IDC_COLOR_LIST, c.item);
        ASSERT_TRUE(Run(driver.PressFinish(), cwtest::kRemoveDuplicates)) << driver.Report();
        if (c.radio == IDC_ACTION_SELECT) {
            EXPECT_EQ(Excel().SelectionAddress(), L"$C$8:$E$8");
            Excel().Select(L"$C$5:$E$9");
            continue;
        }
        EXPECT_EQ(Filled(c.color), (std::vector<long>{8})) << "item " << c.item;
    }
}

TEST_F(DuplicatesWizard, a_one_cell_range_lists_nothing_and_only_back_or_cancel_lead_away) {
    Excel().Select(L"$C$6");
    std::vector<ListRow> rows(1);
    UINT page = 0;
    cwtest::MessageBoxRecorder messages;
    WizardDriver driver;
    ToColumns(driver).ReadListView(IDC_COLUMN_LIST, rows).PressNext().ReadPage(page);
    ASSERT_TRUE(Run(driver.PressCancel(), cwtest::kRemoveDuplicates)) << driver.Report();
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(page, static_cast<UINT>(IDD_DUP_COLUMNS));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, L"Select at least one column !");
}

TEST_F(DuplicatesWizard, a_failure_shows_excels_description_and_leaves_the_wizard_open) {
    // A protected sheet refuses Delete on Finish; a chart selected instead of cells fails as the list fills.
    struct Case {
        bool chart;
        std::wstring message;
    } cases[] = {{false, host::message::Protected}, {true, sheet::kSelectionIsNotCells}};
    for (const Case& c : cases) {
        Excel().SetProtected(!c.chart);
        if (c.chart) Excel().SelectChart();
        cwtest::MessageBoxRecorder messages;
        std::vector<ListRow> rows(1);
        WizardDriver driver;
        ToColumns(driver).ReadListView(IDC_COLUMN_LIST, rows);
        if (!c.chart) driver.PressNext().WaitForPage(IDD_DUP_ACTION).CheckRadio(IDC_ACTION_DELETE).PressFinish();
        driver.WaitForPage(c.chart ? IDD_DUP_COLUMNS : IDD_DUP_ACTION);
        ASSERT_TRUE(Run(driver.PressCancel(), cwtest::kRemoveDuplicates)) << driver.Report();
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, c.message);
        EXPECT_EQ(messages.Messages()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(rows.empty(), c.chart) << "no half list";
        EXPECT_TRUE(cwtest::IsText(Cells().At(L"C8"), L"ann"));
    }
}

TEST_F(DuplicatesWizard, whole_columns_of_a_long_list_go_through_the_wizard_past_the_limit) {
    for (long r = 1; r <= 1500; ++r) {
        Cells().SetText(L"A" + std::to_wstring(r), L"k" + std::to_wstring(r % 500));
        Cells().SetText(L"B" + std::to_wstring(r), L"v" + std::to_wstring(r));
    }
    Excel().Select(L"$A:$B");
    WizardDriver driver;
    ToColumns(driver).SetListCheck(IDC_COLUMN_LIST, 1, false).PressNext().WaitForPage(IDD_DUP_ACTION);
    ASSERT_TRUE(Run(driver.CheckRadio(IDC_ACTION_DELETE).PressFinish(), cwtest::kRemoveDuplicates)) << driver.Report();
    // Rows 501 to 1500 repeat rows 1 to 500 in A; C5:E9 lies outside the selection.
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"B500"), L"v500"));
    EXPECT_TRUE(Cells().At(L"A501").IsEmpty() && Cells().At(L"B1500").IsEmpty());
    EXPECT_EQ(Cells().ContentCount(), 1000u + 15u);
}

}  // namespace
