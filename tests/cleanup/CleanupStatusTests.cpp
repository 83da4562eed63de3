// What the text tools tell the user on Excel's status bar: the cells they changed, which the next command
// gives back to the user; and the rows they report to progress, which may stop them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/excel/ExcelConstants.h"
#include "tests/status/StatusWizardTest.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/cleanup/WalkRangeText.h"

namespace {

using cwtest::IsText;
using cwtest::StatusBarPuts;
using cwtest::StoppingProgress;

using CleanupProgress = cwtest::EngineTest;

TEST_F(CleanupProgress, the_walk_counts_the_cells_it_changes_and_stops_after_the_band_progress_says) {
    // A1:B2 is one band, E1 an area of one cell.
    Cells().SetText(L"A1", L"abc");
    Cells().SetText(L"B1", L"DEF");
    Cells().SetText(L"A2", L"ghi");
    Cells().SetNumber(L"B2", 7);
    Cells().SetText(L"E1", L"jkl");
    Excel().Select(L"$A$1:$B$2,$E$1");
    StoppingProgress all(100);
    EXPECT_EQ(cleanup::RunChangeCase(App(), cleanup::CaseMode::Upper, all).changed, 3);
    EXPECT_EQ(all.totals, std::vector<long>{3});
    EXPECT_EQ(all.rows, (std::vector<long>{2, 3}));

    // The walk goes band by band (here two rows a band) and reports each band's rows.
    FillText(1, 1, 10, 1, [](long r, long) { return L"row " + std::to_wstring(r); });
    Excel().SetCalculation(host::xl::CalculationManual);
    Excel().Select(L"$A:$A");
    StoppingProgress stopping(4);
    auto upper = [](std::wstring& text) { cleanup::ChangeCaseOfText(text, cleanup::CaseMode::Upper); };
    EXPECT_EQ(cleanup::WalkRangeText(App(), upper, cleanup::ExcelUpdates::SuspendedForTheRun, blocks::BlockCaps{2},
                                     stopping)
                  .changed,
              4);
    EXPECT_EQ(stopping.totals, std::vector<long>{10});
    EXPECT_EQ(stopping.rows, (std::vector<long>{2, 4}));
    EXPECT_TRUE(IsText(Cells().At(L"A4"), L"ROW 4"));
    EXPECT_TRUE(IsText(Cells().At(L"A5"), L"row 5"));
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
    EXPECT_TRUE(Excel().ScreenUpdating());
}

using CleanupStatus = cwtest::StatusWizardTest;

TEST_F(CleanupStatus, each_outcome_has_its_line_until_the_next_command_gives_the_status_bar_back) {
    struct Case {
        long tool;
        int option;
        const wchar_t* a1;
        bool protectedSheet;
        bool statusBarFails;
        std::optional<std::wstring> users;  // what the status bar showed before
        std::optional<std::wstring> line;   // ours, if any
        const wchar_t* a1After;
    };
    const Case cases[] = {
        {cwtest::kChangeCase, IDC_OPTION_1, L"abc", false, false, std::nullopt,
         L"Change Case: 1 cell changed in $A$1:$B$1", L"ABC"},
        {cwtest::kChangeCase, IDC_OPTION_1, L"ABC", false, false, L"Macro at work",
         L"Change Case: no cells changed in $A$1:$B$1", L"ABC"},
        {cwtest::kRemoveCharacters, IDC_OPTION_3, L" abc ", false, false, L"Macro at work",
         L"Remove Characters: 2 cells changed in $A$1:$B$1", L"abc"},
        // A failure shows its message and no count; a status bar that fails fails nothing.
        {cwtest::kRemoveCharacters, IDC_OPTION_3, L" abc ", true, false, std::nullopt, std::nullopt, L" abc "},
        {cwtest::kChangeCase, IDC_OPTION_1, L"abc", false, true, std::nullopt, std::nullopt, L"ABC"},
    };
    for (const Case& c : cases) {
        Cells().SetText(L"A1", c.a1);
        Cells().SetText(L"B1", L" DEF ");
        Excel().Select(L"$A$1:$B$1");
        Excel().SetProtected(c.protectedSheet);
        Excel().SetStatusBarFails(c.statusBarFails);
        Excel().SetStatusBar(c.users);
        size_t before = Excel().StatusBarPuts().size();
        cwtest::MessageBoxRecorder messages;
        ASSERT_TRUE(FinishWith(c.tool, c.option, c.protectedSheet)) << c.a1;
        EXPECT_EQ(messages.Count(), c.protectedSheet ? 1u : 0u) << c.a1;
        EXPECT_EQ(Excel().StatusBar(), c.line ? c.line : c.users) << c.a1;
        StartAndCancel();
        EXPECT_EQ(Excel().StatusBar(), c.users) << c.a1;
        StatusBarPuts expected;
        if (c.line) expected = {c.line, c.users};
        EXPECT_EQ(PutsSince(before), expected) << c.a1;
        EXPECT_TRUE(IsText(Cells().At(L"A1"), c.a1After)) << c.a1;
        Excel().SetProtected(false);
        Excel().SetStatusBarFails(false);
    }
}

}  // namespace
