// Esc pressed in the middle of a long run through the wizard: the run stops at its next check, keeps what
// it did, puts the settings back and says where it stopped, with no message box.
#include <gtest/gtest.h>

#include "host/ExcelConstants.h"
#include "tests/status/StatusWizardTest.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using cwtest::IsText;
using cwtest::StatusBarPuts;

using EscapeDuringRun = cwtest::StatusWizardTest;

TEST_F(EscapeDuringRun, a_run_past_the_row_limit_shows_its_progress_and_esc_stops_it_where_it_is) {
    for (long r = 1; r <= 3000; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"text " + std::to_wstring(r));
    Excel().Select(L"$A:$A");
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_1));
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
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_2));
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
