// What Remove Duplicates tells the user on Excel's status bar, and a run stopped part way: the duplicates
// found until then are acted on, the rows after them are left alone.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/status/StatusTest.h"
#include "tests/status/StatusWizardTest.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tools/duplicates/RemoveDuplicates.h"

namespace {

using cwtest::IsText;
using duplicates::DupAction;
using host::WizardDriver;

using DuplicatesProgress = cwtest::EngineTest;

TEST_F(DuplicatesProgress, a_stopped_run_acts_on_the_duplicates_found_in_the_bands_before_the_stop) {
    // Row r holds "k" and r % 7: rows 8 onwards repeat rows 1 to 7. The first band is 63 rows, room for full-length
    // texts read and written.
    const struct {
        const wchar_t* selection;
        long usedRows;
    } cases[] = {{L"$A$1:$A$1000", 1000}, {L"$A:$A", 1500}};
    for (const auto& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        for (long r = 1; r <= c.usedRows; ++r) Cells().SetText(L"A" + std::to_wstring(r), L"k" + std::to_wstring(r % 7));
        Excel().Select(c.selection);
        cwtest::StoppingProgress stopping(10);
        duplicates::DuplicatesResult result =
            duplicates::RunRemoveDuplicates(App(), App().Selection(), {0}, DupAction::Delete, 0, stopping);

        EXPECT_EQ(stopping.totals, std::vector<long>{c.usedRows}) << c.selection;
        EXPECT_EQ(stopping.rows, std::vector<long>{63}) << c.selection;
        EXPECT_EQ(result.duplicatesFound, 63 - 7) << c.selection;
        EXPECT_TRUE(Cells().At(L"A63").IsEmpty()) << c.selection;
        EXPECT_TRUE(IsText(Cells().At(L"A64"), L"k1")) << c.selection;
    }
}

class DuplicatesStatus : public cwtest::StatusWizardTest {};

TEST_F(DuplicatesStatus, each_action_says_how_many_rows_it_found_and_a_failure_shows_no_count) {
    const struct {
        int action;
        const wchar_t* selection;
        bool protectedSheet;
        std::optional<std::wstring> line;
    } cases[] = {
        {IDC_ACTION_SELECT, L"$A$1:$B$4", false, L"Remove Duplicates: 1 duplicate row of 4 selected"},
        {IDC_ACTION_COLOR, L"$A$1:$B$4", false, L"Remove Duplicates: 1 duplicate row of 4 coloured"},
        {IDC_ACTION_DELETE, L"$A$1:$B$4", false, L"Remove Duplicates: 1 duplicate row of 4 emptied"},
        {IDC_ACTION_SELECT, L"$A$1:$B$2", false, L"Remove Duplicates: no duplicate rows in 2"},
        {IDC_ACTION_DELETE, L"$A$1:$B$4", true, std::nullopt},
    };
    for (const auto& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        const wchar_t* const names[] = {L"ann", L"bob", L"ann", L"cid"};
        for (long r = 1; r <= 4; ++r) {
            Cells().SetText(L"A" + std::to_wstring(r), names[r - 1]);
            Cells().SetNumber(L"B" + std::to_wstring(r), r == 3 ? 1 : r);
        }
        Excel().Select(c.selection);
        Excel().SetProtected(c.protectedSheet);
        size_t before = Excel().StatusBarPuts().size();
        cwtest::MessageBoxRecorder messages;
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT).PressNext().WaitForPage(IDD_DUP_COLUMNS).PressNext().WaitForPage(IDD_DUP_ACTION)
            .CheckRadio(c.action).PressFinish();
        if (c.protectedSheet) driver.WaitForPage(IDD_DUP_ACTION).PressCancel();
        ASSERT_TRUE(Run(driver, cwtest::kRemoveDuplicates)) << driver.Report();

        EXPECT_EQ(messages.Count(), c.protectedSheet ? 1u : 0u) << c.selection;
        cwtest::StatusBarPuts expected;
        if (c.line) expected = {c.line};
        EXPECT_EQ(PutsSince(before), expected) << c.selection;
        Excel().SetProtected(false);
        StartAndCancel();
    }
}

}  // namespace
