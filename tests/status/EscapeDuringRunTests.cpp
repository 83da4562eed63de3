// A long run through the wizard: past the row limit its progress shows block by block; Esc pressed in the
// middle of a run stops it at its next check, keeps what it did, puts the settings back and says where it
// stopped, with no message box.
#include <gtest/gtest.h>

#include "host/excel/ExcelConstants.h"
#include "tests/status/StatusWizardTest.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using cwtest::IsText;
using cwtest::StatusBarPuts;

using LongRun = cwtest::StatusWizardTest;

TEST_F(LongRun, past_the_row_limit_the_status_bar_shows_the_share_done_after_each_block) {
    // Column A over 140,000 rows: blocks of 65,536 rows.
    for (long r = 1; r <= 140000; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"text");
    Excel().Select(L"$A:$A");
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_1));
    EXPECT_EQ(Excel().StatusBarPuts(),
              (StatusBarPuts{L"Change Case: 46% (" + N(65536) + L" of " + N(140000) + L" rows)",
                             L"Change Case: 93% (" + N(131072) + L" of " + N(140000) + L" rows)",
                             L"Change Case: " + N(140000) + L" cells changed in $A:$A"}));
    EXPECT_TRUE(IsText(Cells().At(L"A140000"), L"TEXT"));
    StartAndCancel();
}

TEST_F(LongRun, esc_pressed_mid_run_stops_it_at_the_next_check_and_keeps_what_was_done) {
    for (long r = 1; r <= 1000; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"text " + std::to_wstring(r));
    Excel().Select(L"$A$1:$A$1000");
    Excel().SetCalculation(host::xl::CalculationManual);
    // Esc while the 300th cell is written: the run stops at its check after row 500.
    size_t writes = 0;
    Excel().Log().SetObserver([&](const host::CallRecord& call) {
        if (call.Name() == L"Range.Value" && call.kind == host::Kind::Put && ++writes == 300) cwtest::PressEscape();
    });
    cwtest::MessageBoxRecorder messages;
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_1));
    Excel().Log().SetObserver(nullptr);
    EXPECT_EQ(Excel().StatusBarPuts(),
              (StatusBarPuts{L"Change Case: stopped at row 500 of " + N(1000) + L"; 500 cells changed in $A$1:$A$1000"}));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(IsText(Cells().At(L"A500"), L"TEXT 500"));
    EXPECT_TRUE(IsText(Cells().At(L"A501"), L"text 501"));
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
    EXPECT_TRUE(Excel().ScreenUpdating());
    EXPECT_FALSE(cwtest::EscapeQueued());
    StartAndCancel();
}

}  // namespace
