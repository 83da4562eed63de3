// What the text tools tell the user: the cells they changed, their progress past the row limit and where
// Esc stopped them, on Excel's status bar, which is put back for the user when the next command starts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/ExcelConstants.h"
#include "tests/cleanup/WizardTest.h"
#include "tests/status/StatusTest.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/status/StatusLines.h"

namespace {

using cwtest::IsText;
using cwtest::StatusBarPuts;

// Hears every row the walk reports and stops it after the given one.
class StoppingProgress final : public status::Progress {
public:
    explicit StoppingProgress(long stopAfter) : m_stopAfter(stopAfter) {}
    void Begin(long totalRows) override { totals.push_back(totalRows); }
    bool Continue(long rowsDone) override {
        rows.push_back(rowsDone);
        return rowsDone < m_stopAfter;
    }
    std::vector<long> totals;
    std::vector<long> rows;

private:
    long m_stopAfter;
};

using CleanupProgress = cwtest::EngineTest;

TEST_F(CleanupProgress, the_walk_counts_the_cells_it_changes_and_stops_after_the_row_progress_says) {
    // Row 1 all text (a block row), row 2 mixed, E1 an area of one cell; D3 past the used range's rows.
    Cells().SetText(L"A1", L"abc");
    Cells().SetText(L"B1", L"DEF");
    Cells().SetText(L"A2", L"ghi");
    Cells().SetNumber(L"B2", 7);
    Cells().SetText(L"E1", L"jkl");
    Excel().Select(L"$A$1:$B$2,$E$1");
    StoppingProgress all(100);
    EXPECT_EQ(cleanup::RunChangeCase(App(), CASE_UPPER, all), 3);
    EXPECT_EQ(all.totals, std::vector<long>{3});
    EXPECT_EQ(all.rows, (std::vector<long>{1, 2, 3}));

    FillText(1, 1, 10, 1, [](long r, long) { return L"row " + std::to_wstring(r); });
    Excel().SetCalculation(host::xl::CalculationManual);
    Excel().Select(L"$A:$A");  // past the limit: the used range's ten rows
    StoppingProgress stopping(4);
    EXPECT_EQ(cleanup::RunChangeCase(App(), CASE_UPPER, stopping), 4);
    EXPECT_EQ(stopping.totals, std::vector<long>{10});
    EXPECT_TRUE(IsText(Cells().At(L"A4"), L"ROW 4"));
    EXPECT_TRUE(IsText(Cells().At(L"A5"), L"row 5"));
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
    EXPECT_TRUE(Excel().ScreenUpdating());
}

class CleanupStatus : public cwtest::WizardTest {
protected:
    // Starts a command and cancels it on the range page.
    void StartAndCancel() {
        cwtest::WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressCancel();
        EXPECT_TRUE(Run(driver, CMyAddin::kChangeCase)) << driver.Report();
    }
    StatusBarPuts PutsSince(size_t before) { return cwtest::StatusBarPutsSince(Excel(), before); }
    // Digits grouped as the user's locale groups them.
    static std::wstring N(long number) { return status::StatusLines::ForUser().Number(number); }
};

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
        {CMyAddin::kChangeCase, IDC_OPTION_1, L"abc", false, false, std::nullopt,
         L"Change Case: 1 cell changed in $A$1:$B$1", L"ABC"},
        {CMyAddin::kChangeCase, IDC_OPTION_1, L"ABC", false, false, L"Macro at work",
         L"Change Case: no cells changed in $A$1:$B$1", L"ABC"},
        {CMyAddin::kRemoveCharacters, IDC_OPTION_3, L" abc ", false, false, L"Macro at work",
         L"Remove Characters: 2 cells changed in $A$1:$B$1", L"abc"},
        // A failure shows its message and no count; a status bar that fails fails nothing.
        {CMyAddin::kRemoveCharacters, IDC_OPTION_3, L" abc ", true, false, std::nullopt, std::nullopt, L" abc "},
        {CMyAddin::kChangeCase, IDC_OPTION_1, L"abc", false, true, std::nullopt, std::nullopt, L"ABC"},
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

TEST_F(CleanupStatus, a_run_past_the_row_limit_shows_its_progress_and_esc_stops_it_where_it_is) {
    for (long r = 1; r <= 3000; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"text " + std::to_wstring(r));
    Excel().Select(L"$A:$A");
    ASSERT_TRUE(FinishWith(CMyAddin::kChangeCase, IDC_OPTION_1));
    StatusBarPuts progress;
    for (long done : {500, 1000, 1500, 2000, 2500})
        progress.push_back(L"Change Case: " + std::to_wstring(done * 100 / 3000) + L"% (" + N(done) + L" of " + N(3000) +
                           L" rows)");
    StatusBarPuts expected = progress;
    expected.push_back(L"Change Case: " + N(3000) + L" cells changed in $A:$A");
    EXPECT_EQ(Excel().StatusBarPuts(), expected);
    StartAndCancel();

    // Esc while the 700th cell is written: the run stops at the next check, after row 1,000.
    Excel().SetCalculation(host::xl::CalculationManual);
    size_t writes = 0;
    Excel().Log().SetObserver([&](const host::CallRecord& call) {
        if (call.Name() == L"Range.Value" && call.kind == host::Kind::Put && ++writes == 700) cwtest::PressEscape();
    });
    size_t before = Excel().StatusBarPuts().size();
    cwtest::MessageBoxRecorder messages;
    ASSERT_TRUE(FinishWith(CMyAddin::kChangeCase, IDC_OPTION_2));
    Excel().Log().SetObserver(nullptr);
    EXPECT_EQ(PutsSince(before), (StatusBarPuts{progress[0], L"Change Case: stopped at row " + N(1000) + L" of " +
                                                                 N(3000) + L"; " + N(1000) +
                                                                 L" cells changed in $A:$A"}));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(IsText(Cells().At(L"A1000"), L"text 1000"));
    EXPECT_TRUE(IsText(Cells().At(L"A1001"), L"TEXT 1001"));
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
    EXPECT_TRUE(Excel().ScreenUpdating());
    EXPECT_FALSE(cwtest::EscapeQueued());
    StartAndCancel();
}

}  // namespace
