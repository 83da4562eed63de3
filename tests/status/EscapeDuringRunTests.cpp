// A long run through the wizard: its progress shows band by band; Esc pressed in the
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

TEST_F(LongRun, past_the_row_limit_the_status_bar_shows_the_share_done_after_each_band) {
    // Column A over 140,000 rows: bands of 63, 252, 1,008, 4,032, 16,128 and 64,512 rows, then the rest. The
    // first two are below the first check.
    for (long r = 1; r <= 140000; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"text");
    Excel().Select(L"$A:$A");
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_1));
    EXPECT_EQ(Excel().StatusBarPuts(),
              (StatusBarPuts{L"Change Case: 0% (" + N(1323) + L" of " + N(140000) + L" rows)",
                             L"Change Case: 3% (" + N(5355) + L" of " + N(140000) + L" rows)",
                             L"Change Case: 15% (" + N(21483) + L" of " + N(140000) + L" rows)",
                             L"Change Case: 61% (" + N(85995) + L" of " + N(140000) + L" rows)",
                             L"Change Case: " + N(140000) + L" cells changed in $A:$A"}));
    EXPECT_TRUE(IsText(Cells().At(L"A140000"), L"TEXT"));
    StartAndCancel();
}

TEST_F(LongRun, esc_pressed_mid_run_stops_it_at_the_next_check_and_keeps_what_was_done) {
    for (long r = 1; r <= 3000; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"text " + std::to_wstring(r));
    Excel().Select(L"$A$1:$A$3000");
    Excel().SetCalculation(host::xl::CalculationManual);
    // Esc while the first band (63 rows) is written: the run stops at its first check, after the third band
    // (1,323 rows in all).
    Excel().Log().SetObserver([&](const host::CallRecord& call) {
        if (call.Name() == L"Range.Value" && call.kind == host::Kind::Put) cwtest::PressEscape();
    });
    cwtest::MessageBoxRecorder messages;
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_1));
    Excel().Log().SetObserver(nullptr);
    EXPECT_EQ(Excel().StatusBarPuts(),
              (StatusBarPuts{L"Change Case: stopped at row " + N(1323) + L" of " + N(3000) + L"; " + N(1323) +
                             L" cells changed in $A$1:$A$3000"}));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(IsText(Cells().At(L"A1323"), L"TEXT 1323"));
    EXPECT_TRUE(IsText(Cells().At(L"A1324"), L"text 1324"));
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
    EXPECT_TRUE(Excel().ScreenUpdating());
    EXPECT_FALSE(cwtest::EscapeQueued());
    StartAndCancel();
}

}  // namespace
