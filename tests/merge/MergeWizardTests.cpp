// The Merge Cell Text wizard driven for real: the mode page and its illustrations, each option page with its
// defaults, the third page replaced on Next, the check box coupling, the separator's token under real keys,
// Finish and Cancel, and what the user sees when the merge fails.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "tests/cleanup/EngineTest.h"
#include "tests/cleanup/WizardTest.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tools/merge/MergeOptionsPage.h"

namespace {

using cwtest::IsText;
using host::WizardButtons;
using host::WizardDriver;
using host::WizardView;

using MergeWizard = cwtest::WizardTest;
constexpr long kMerge = DISPID_MERGECELL;

struct Mode {
    int radio;
    UINT page;
    std::vector<std::wstring> placements;
};

const Mode kModes[] = {
    {IDC_OPTION_1, IDD_MERGE_BY_ROW, {L"Left Cells", L"Right Cells"}},
    {IDC_OPTION_2, IDD_MERGE_BY_COLUMN, {L"Top Cells", L"Bottom Cells"}},
    {IDC_OPTION_3, IDD_MERGE_IN_A_CELL, {L"Top-left cell", L"Top-right cell", L"Bottom-left cell", L"Bottom-right cell"}},
};

int PageCount(const WizardView& view) {
    framework::CPropertySheet* sheet = framework::CPropertySheet::FromHandle(view.sheet);
    return sheet ? sheet->GetPageCount() : -1;
}

merge::MergeRequest RequestOf(const WizardView& view) {
    auto* page = dynamic_cast<CMergeOptionsPage*>(framework::CPropertyPage::FromHandle(view.page));
    return page ? page->Request() : merge::MergeRequest{};
}

// The state an option page shows.
struct OptionState {
    std::array<bool, 4> placements{};
    bool mergeCells = false;
    bool clearEnabled = true;
    bool clearChecked = true;
    std::wstring separator = L"unread";
};

void ReadOptionState(WizardDriver& driver, OptionState& state, size_t placements) {
    for (size_t i = 0; i < placements; ++i) driver.ReadCheck(IDC_OPTION_1 + static_cast<int>(i), state.placements[i]);
    driver.ReadCheck(IDC_MERGE_TARGETS, state.mergeCells)
        .ReadEnabled(IDC_CLEAR_SOURCES, state.clearEnabled)
        .ReadCheck(IDC_CLEAR_SOURCES, state.clearChecked)
        .ReadText(IDC_SEPARATOR, state.separator);
}

void ExpectDefaults(const OptionState& state, const std::string& name) {
    EXPECT_EQ(state.placements, (std::array<bool, 4>{true, false, false, false})) << name;
    EXPECT_TRUE(state.mergeCells) << name;
    EXPECT_FALSE(state.clearEnabled) << name;
    EXPECT_FALSE(state.clearChecked) << name;
    EXPECT_EQ(state.separator, L"") << name;
}

TEST_F(MergeWizard, the_mode_page_opens_on_row_by_row_with_its_six_illustrations_in_place) {
    std::array<bool, 3> checked{};
    WizardButtons buttons;
    std::vector<RECT> pictures;
    std::vector<SIZE> sizes;
    std::vector<RECT> expected;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE);
    for (int i = 0; i < 3; ++i) driver.ReadCheck(IDC_OPTION_1 + i, checked[static_cast<size_t>(i)]);
    driver.ReadButtons(buttons)
        .Do("find the pictures",
            [&](const WizardView& view) {
                for (HWND child = ::GetWindow(view.page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                    if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
                    auto image = reinterpret_cast<HBITMAP>(::SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
                    BITMAP bitmap{};
                    if (image) ::GetObjectW(image, sizeof(bitmap), &bitmap);
                    sizes.push_back(SIZE{bitmap.bmWidth, bitmap.bmHeight});
                    RECT rect;
                    ::GetWindowRect(child, &rect);
                    ::MapWindowPoints(nullptr, view.page, reinterpret_cast<POINT*>(&rect), 2);
                    pictures.push_back(rect);
                }
                for (RECT units : {RECT{102, 44, 0, 0}, RECT{215, 44, 0, 0}, RECT{102, 89, 0, 0},
                                   RECT{215, 89, 0, 0}, RECT{102, 133, 0, 0}, RECT{215, 133, 0, 0}}) {
                    ::MapDialogRect(view.page, &units);
                    expected.push_back(units);
                }
            })
        .PressCancel();
    ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();

    EXPECT_EQ(checked, (std::array<bool, 3>{true, false, false}));
    EXPECT_TRUE(buttons.back);
    EXPECT_TRUE(buttons.next);
    EXPECT_FALSE(buttons.finish);
    ASSERT_EQ(pictures.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(sizes[i].cx, 119) << "picture " << i;
        EXPECT_EQ(sizes[i].cy, 52) << "picture " << i;
        EXPECT_EQ(pictures[i].left, expected[i].left) << "picture " << i;
        EXPECT_EQ(pictures[i].top, expected[i].top) << "picture " << i;
    }
}

TEST_F(MergeWizard, each_mode_leads_to_its_option_page_third_with_the_defaults_and_back_and_finish) {
    for (const Mode& mode : kModes) {
        OptionState state;
        std::vector<std::wstring> captions(mode.placements.size());
        WizardButtons buttons;
        int pages = 0;
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE).CheckRadio(mode.radio).PressNext();
        driver.WaitForPage(mode.page).ReadButtons(buttons).Do("count the pages", [&](const WizardView& view) {
            pages = PageCount(view);
        });
        ReadOptionState(driver, state, mode.placements.size());
        for (size_t i = 0; i < captions.size(); ++i) driver.ReadText(IDC_OPTION_1 + static_cast<int>(i), captions[i]);
        driver.PressCancel();
        ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();

        const std::string name = "page " + std::to_string(mode.page);
        ExpectDefaults(state, name);
        EXPECT_EQ(captions, mode.placements) << name;
        EXPECT_EQ(pages, 3) << name;
        EXPECT_TRUE(buttons.back) << name;
        EXPECT_TRUE(buttons.finish) << name;
        EXPECT_FALSE(buttons.next) << name;
    }
}

TEST_F(MergeWizard, back_and_next_replace_the_option_page_which_starts_again_from_its_defaults) {
    OptionState columnPage, rowPageAgain;
    int pagesAfterColumn = 0, pagesAfterRow = 0;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE).PressNext();
    // Change everything on the row page, then leave it.
    driver.WaitForPage(IDD_MERGE_BY_ROW)
        .CheckRadio(IDC_OPTION_2)
        .SetCheck(IDC_MERGE_TARGETS, false)
        .TypeText(IDC_SEPARATOR, L"; ")
        .PressBack()
        .WaitForPage(IDD_SELECT_MERGE)
        .CheckRadio(IDC_OPTION_2)
        .PressNext()
        .WaitForPage(IDD_MERGE_BY_COLUMN)
        .Do("count the pages", [&](const WizardView& view) { pagesAfterColumn = PageCount(view); });
    ReadOptionState(driver, columnPage, 2);
    driver.PressBack().WaitForPage(IDD_SELECT_MERGE).CheckRadio(IDC_OPTION_1).PressNext().WaitForPage(IDD_MERGE_BY_ROW);
    driver.Do("count the pages", [&](const WizardView& view) { pagesAfterRow = PageCount(view); });
    ReadOptionState(driver, rowPageAgain, 2);
    driver.PressCancel();
    ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();

    ExpectDefaults(columnPage, "the column page");
    ExpectDefaults(rowPageAgain, "the row page shown again");
    EXPECT_EQ(pagesAfterColumn, 3);
    EXPECT_EQ(pagesAfterRow, 3);
}

TEST_F(MergeWizard, unticking_merge_ticks_and_enables_clear_and_ticking_it_again_makes_clear_count_for_nothing) {
    bool enabledAfterUntick = false, checkedAfterUntick = false, enabledAfterTick = true, checkedAfterTick = false;
    merge::MergeRequest unticked, ticked;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE).PressNext().WaitForPage(IDD_MERGE_BY_ROW)
        .SetCheck(IDC_MERGE_TARGETS, false)
        .ReadEnabled(IDC_CLEAR_SOURCES, enabledAfterUntick)
        .ReadCheck(IDC_CLEAR_SOURCES, checkedAfterUntick)
        .Do("read the request", [&](const WizardView& view) { unticked = RequestOf(view); })
        .SetCheck(IDC_MERGE_TARGETS, true)
        .ReadEnabled(IDC_CLEAR_SOURCES, enabledAfterTick)
        .ReadCheck(IDC_CLEAR_SOURCES, checkedAfterTick)
        .Do("read the request", [&](const WizardView& view) { ticked = RequestOf(view); })
        .PressCancel();
    ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();

    EXPECT_TRUE(enabledAfterUntick);
    EXPECT_TRUE(checkedAfterUntick);
    EXPECT_FALSE(unticked.mergeCells);
    EXPECT_TRUE(unticked.clearSources);
    EXPECT_FALSE(enabledAfterTick);
    EXPECT_TRUE(checkedAfterTick);
    EXPECT_TRUE(ticked.mergeCells);
    EXPECT_FALSE(ticked.clearSources);
}

TEST_F(MergeWizard, the_separator_token_is_inserted_at_the_caret_and_removed_whole_by_backspace_and_delete) {
    enum class Act { AddNewLine, Backspace, Delete };
    const struct {
        const char* name;
        const wchar_t* text;
        int caret;
        Act act;
        const wchar_t* after;
    } cases[] = {
        {"the button at the end", L", ", 2, Act::AddNewLine, L", [ALT+ENTER]"},
        {"the button inside a token", L"a[ALT+ENTER]b", 4, Act::AddNewLine, L"a[ALT+ENTER][ALT+ENTER]b"},
        {"the button before a token", L"a[ALT+ENTER]b", 1, Act::AddNewLine, L"a[ALT+ENTER][ALT+ENTER]b"},
        {"backspace just after a token", L"a[ALT+ENTER]b", 12, Act::Backspace, L"ab"},
        {"backspace inside a token", L"a[ALT+ENTER]b", 3, Act::Backspace, L"ab"},
        {"backspace at a token's start", L"a[ALT+ENTER]b", 1, Act::Backspace, L"[ALT+ENTER]b"},
        {"delete at a token's start", L"a[ALT+ENTER]b", 1, Act::Delete, L"ab"},
        {"delete inside a token", L"a[ALT+ENTER]b", 11, Act::Delete, L"ab"},
        {"delete just after a token", L"a[ALT+ENTER]b", 12, Act::Delete, L"a[ALT+ENTER]"},
        {"backspace between two tokens", L"[ALT+ENTER][ALT+ENTER]", 11, Act::Backspace, L"[ALT+ENTER]"},
        {"delete a token at the start", L"[ALT+ENTER]x", 0, Act::Delete, L"x"},
        {"backspace a token at the end", L"x[ALT+ENTER]", 12, Act::Backspace, L"x"},
        {"lower case is no token", L"[alt+enter]", 11, Act::Backspace, L"[alt+enter"},
    };
    std::vector<std::wstring> results(std::size(cases));
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE).PressNext().WaitForPage(IDD_MERGE_BY_ROW);
    for (size_t i = 0; i < std::size(cases); ++i) {
        driver.SetText(IDC_SEPARATOR, cases[i].text).SetCaret(IDC_SEPARATOR, cases[i].caret);
        switch (cases[i].act) {
        case Act::AddNewLine: driver.Click(IDC_ADD_NEW_LINE); break;
        case Act::Backspace: driver.PressKey(IDC_SEPARATOR, VK_BACK); break;
        case Act::Delete: driver.PressKey(IDC_SEPARATOR, VK_DELETE); break;
        }
        driver.ReadText(IDC_SEPARATOR, results[i]);
    }
    // Typed by hand, a token is a token too.
    std::wstring typed;
    driver.SetText(IDC_SEPARATOR, L"").TypeText(IDC_SEPARATOR, L"x[ALT+ENTER]").PressKey(IDC_SEPARATOR, VK_BACK);
    driver.ReadText(IDC_SEPARATOR, typed);
    // Finish reads 1023 characters: the edit takes no more, and a token that would not fit is refused whole.
    const std::wstring nearlyFull(1015, L'x'), full(1023, L'y');
    std::wstring afterButton, afterTyping;
    driver.SetText(IDC_SEPARATOR, nearlyFull).SetCaret(IDC_SEPARATOR, 1015).Click(IDC_ADD_NEW_LINE);
    driver.ReadText(IDC_SEPARATOR, afterButton);
    driver.SetText(IDC_SEPARATOR, full).SetCaret(IDC_SEPARATOR, 1023).TypeText(IDC_SEPARATOR, L"z");
    driver.ReadText(IDC_SEPARATOR, afterTyping).PressCancel();
    ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();

    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(results[i], cases[i].after) << cases[i].name;
    EXPECT_EQ(typed, L"x");
    EXPECT_EQ(afterButton, nearlyFull);
    EXPECT_EQ(afterTyping, full);
}

TEST_F(MergeWizard, finish_merges_once_with_the_tokens_as_line_feeds_and_leaves_one_cell_areas_alone) {
    Cells().SetText(L"A1", L"a");
    Cells().SetText(L"B1", L"b");
    Cells().SetText(L"A2", L"1");
    Cells().SetText(L"B2", L"5");
    Cells().SetText(L"D5", L"alone");
    Excel().Select(L"$A$1:$B$2,$D$5");
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE).PressNext().WaitForPage(IDD_MERGE_BY_ROW)
        .Do("clear the call log", [&](const WizardView&) { Excel().ClearLog(); })
        .CheckRadio(IDC_OPTION_2)
        .SetCheck(IDC_MERGE_TARGETS, false)
        .SetCheck(IDC_CLEAR_SOURCES, false)
        .TypeText(IDC_SEPARATOR, L"-")
        .Click(IDC_ADD_NEW_LINE)
        .PressFinish();
    ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();

    EXPECT_EQ(driver.SheetsSeen(), 1);
    EXPECT_EQ(Excel().Log().Count(L"Application.Selection", host::Kind::Get), 1u);
    EXPECT_EQ(Excel().Log().Count(L"Range.Value", host::Kind::Put), 1u) << "both rows' texts in one put";
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"a-\nb"));
    EXPECT_TRUE(IsText(Cells().At(L"B2"), L"1-\n5"));
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"a"));
    EXPECT_TRUE(IsText(Cells().At(L"D5"), L"alone"));
}

TEST_F(MergeWizard, cancel_on_any_page_merges_nothing) {
    Cells().SetText(L"A1", L"a");
    Cells().SetText(L"B1", L"b");
    Excel().Select(L"$A$1:$B$1");
    for (const Mode& mode : kModes) {
        for (int depth = 0; depth < 3; ++depth) {
            WizardDriver driver;
            driver.WaitForPage(IDD_SELECT_N);
            if (depth > 0) driver.PressNext().WaitForPage(IDD_SELECT_MERGE).CheckRadio(mode.radio);
            if (depth > 1) driver.PressNext().WaitForPage(mode.page);
            driver.PressCancel();
            ASSERT_TRUE(Run(driver, kMerge)) << driver.Report();
        }
    }
    EXPECT_EQ(Excel().Log().Count(L"Range.Value", host::Kind::Put), 0u);
    EXPECT_EQ(Excel().Log().Count(L"Range.Merge"), 0u);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"a"));
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"b"));
}

TEST_F(MergeWizard, a_failure_shows_excels_description_and_keeps_the_wizard_open_with_earlier_areas_changed) {
    const struct {
        const char* name;
        const wchar_t* message;
        bool protectedSheet;
        bool chart;
        bool cutArray;  // the second area cuts through an array formula
    } cases[] = {
        {"a protected sheet", L"The cell or chart that you are trying to change is protected and therefore read-only.",
         true, false, false},
        {"a chart", L"The selection is not a range of cells. Select the cells to change and try again.", false, true,
         false},
        {"an area through an array formula", L"You cannot change part of an array.", false, false, true},
    };
    for (const auto& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        Cells().SetText(L"A1", L"a");
        Cells().SetText(L"B1", L"b");
        Cells().SetText(L"A3", L"c");
        Cells().SetArrayFormula(L"B3:C3", L"=D3:E3", host::CellValue::Text(L"d"));
        Excel().Select(c.cutArray ? L"$A$1:$B$1,$A$3:$B$3" : L"$A$1:$B$1");
        Excel().SetProtected(c.protectedSheet);
        cwtest::MessageBoxRecorder messages;
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N);
        if (c.chart) driver.Do("select a chart", [&](const WizardView&) { Excel().SelectChart(); });
        driver.PressNext().WaitForPage(IDD_SELECT_MERGE).PressNext().WaitForPage(IDD_MERGE_BY_ROW).PressFinish();
        driver.WaitForPage(IDD_MERGE_BY_ROW).PressCancel();
        ASSERT_TRUE(Run(driver, kMerge)) << c.name << ": " << driver.Report();

        ASSERT_EQ(messages.Count(), 1u) << c.name;
        EXPECT_EQ(messages.Messages()[0].text, c.message) << c.name;
        EXPECT_EQ(messages.Messages()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP)) << c.name;
        // The first area is merged only where the failure came later; the failing area keeps every text.
        EXPECT_TRUE(IsText(Cells().At(L"A1"), c.cutArray ? L"ab" : L"a")) << c.name;
        EXPECT_TRUE(IsText(Cells().At(L"A3"), c.cutArray ? L"cd" : L"c")) << c.name;
        EXPECT_TRUE(Cells().At(L"B3").hasFormula) << c.name;
        Excel().SetProtected(false);
    }
}

}  // namespace
