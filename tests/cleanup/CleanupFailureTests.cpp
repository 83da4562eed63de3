// What the user sees when a clean-up run fails: Excel's description in a message box with the stop icon,
// the wizard still open, the application settings as they were, and no cell changed but those written
// before the failure.
#include <gtest/gtest.h>

#include <string>

#include "host/excel/ExcelConstants.h"
#include "tests/cleanup/EngineTest.h"
#include "tests/cleanup/WizardTest.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using cwtest::IsText;

class CleanupFailure : public cwtest::WizardTest {
protected:
    // Manual calculation and no screen updating are what the user had; a run must leave them so.
    void PresetSettings() {
        Excel().SetCalculation(host::xl::CalculationManual);
        Excel().SetScreenUpdating(false);
        Excel().SetEnableEvents(true);
    }
    void ExpectPresetSettings() {
        EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
        EXPECT_FALSE(Excel().ScreenUpdating());
        EXPECT_TRUE(Excel().EnableEvents());
    }
    // The one message shown: the stop icon and exactly this text.
    static void ExpectStopMessage(const cwtest::MessageBoxRecorder& messages, const std::wstring& text) {
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, text);
        EXPECT_EQ(messages.Messages()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    }
};

constexpr long kTools[] = {cwtest::kRemoveCharacters, cwtest::kChangeCase};

TEST_F(CleanupFailure, a_protected_sheet_shows_excels_description_and_changes_nothing) {
    Cells().SetText(L"A1", L" abc ");
    Cells().SetText(L"B1", L" def ");
    Cells().SetText(L"A2", L" ghi ");
    Excel().Select(L"$A$1:$B$2");
    Excel().SetProtected(true);
    for (long tool : kTools) {
        PresetSettings();
        cwtest::MessageBoxRecorder messages;
        ASSERT_TRUE(FinishWith(tool, IDC_OPTION_3, true));
        ExpectStopMessage(messages,
                          L"The cell or chart that you are trying to change is protected and therefore read-only.");
        ExpectPresetSettings();
    }
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L" abc "));
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L" def "));
    EXPECT_TRUE(IsText(Cells().At(L"A2"), L" ghi "));
}

TEST_F(CleanupFailure, a_chart_selected_instead_of_cells_is_reported_before_anything_is_switched_off) {
    Cells().SetText(L"A1", L"abc");
    Excel().SelectChart();
    for (long tool : kTools) {
        PresetSettings();
        Excel().ClearLog();
        cwtest::MessageBoxRecorder messages;
        ASSERT_TRUE(FinishWith(tool, IDC_OPTION_1, true));
        ExpectStopMessage(messages,
                          L"The selection is not a range of cells. Select the cells to change and try again.");
        EXPECT_EQ(Excel().Log().Count(L"Application.Calculation", host::Kind::Put), 0u);
        ExpectPresetSettings();
    }
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"abc"));
}

TEST_F(CleanupFailure, a_failed_write_stops_the_run_and_keeps_only_what_was_written_before_it) {
    // A4 holds a text under the merge of A3:A4 (only a fixture can do that): Excel refuses to write it
    // alone. The areas are done in order.
    for (long r = 1; r <= 5; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"  text " + std::to_wstring(r));
    Cells().MergeCells(L"A3:A4");
    Excel().Select(L"$A$1:$A$3,$A$4,$A$5");
    PresetSettings();
    cwtest::MessageBoxRecorder messages;
    ASSERT_TRUE(FinishWith(cwtest::kChangeCase, IDC_OPTION_1, true));
    ExpectStopMessage(messages, L"Cannot change part of a merged cell.");
    ExpectPresetSettings();
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"  TEXT 1"));
    EXPECT_TRUE(IsText(Cells().At(L"A3"), L"  TEXT 3"));
    EXPECT_TRUE(IsText(Cells().At(L"A4"), L"  text 4"));
    EXPECT_TRUE(IsText(Cells().At(L"A5"), L"  text 5"));

    messages.Clear();
    ASSERT_TRUE(FinishWith(cwtest::kRemoveCharacters, IDC_OPTION_1, true));
    ExpectStopMessage(messages, L"Cannot change part of a merged cell.");
    ExpectPresetSettings();
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"TEXT 1"));
    EXPECT_TRUE(IsText(Cells().At(L"A4"), L"  text 4"));
    EXPECT_TRUE(IsText(Cells().At(L"A5"), L"  text 5"));
}

TEST_F(CleanupFailure, a_run_that_meets_no_failure_shows_no_message) {
    Cells().SetText(L"A1", L"abc");
    Cells().SetError(L"B1", host::xl::ErrNA);
    Cells().SetText(L"C1", std::wstring(L"x\0y", 3));
    Excel().Select(L"$A$1:$C$1");
    cwtest::MessageBoxRecorder messages;
    for (long tool : kTools) ASSERT_TRUE(FinishWith(tool, IDC_OPTION_1));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"ABC"));
}

}  // namespace
