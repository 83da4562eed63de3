// What Merge Cell Text tells the user on Excel's status bar, and where a request to stop may end its run:
// after a band of rows is written, never between a text written and its sources emptied.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/merge/MergeEngineTest.h"
#include "tests/status/StatusWizardTest.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using cwtest::IsText;
using cwtest::StatusBarPuts;
using merge::MergeTarget;

using MergeProgress = cwtest::MergeEngineTest;

TEST_F(MergeProgress, a_stop_comes_after_a_band_and_rows_are_reported_as_bands_are_merged) {
    FillText(1, 1, 5, 2, [](long r, long c) { return At(r, c); });
    Excel().Select(L"$A$1:$B$2,$D$1,$A$4:$B$5");
    merge::MergeRequest request;
    request.target = MergeTarget::LeftCells;
    cwtest::StoppingProgress stopping(3);  // asked to stop once three rows are done
    merge::MergeResult result = merge::MergeSelection(App(), request, stopping);

    EXPECT_EQ(stopping.totals, std::vector<long>{5});
    EXPECT_EQ(stopping.rows, (std::vector<long>{2, 3}));
    EXPECT_TRUE(stopping.advances.empty());
    EXPECT_EQ(result.groupsMerged, 2);
    EXPECT_EQ(MergedAreas(), L"$A$1:$B$1,$A$2:$B$2");
    EXPECT_TRUE(IsText(Cells().At(L"A4"), L"A4"));
    EXPECT_TRUE(IsText(Cells().At(L"B5"), L"B5"));
}

TEST_F(MergeProgress, a_stop_ends_rows_after_their_band_and_columns_or_one_cell_before_anything_is_written) {
    // 600 rows of two columns come in bands, the first of 31 rows (room for 63 cells of full-length texts read
    // and written); the stop is asked for at once.
    const struct {
        MergeTarget target;
        std::vector<long> advances;  // what progress is told is done when it stops
        const wchar_t* merged;
        const wchar_t* a31;  // A31 and A32 afterwards
        const wchar_t* a32;
    } cases[] = {
        {MergeTarget::LeftCells, {}, L"$A$31:$B$31", L"A31B31", L"A32"},
        {MergeTarget::TopCells, {0}, L"", L"A31", L"A32"},
        {MergeTarget::TopLeftCell, {0}, L"", L"A31", L"A32"},
    };
    for (const auto& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        FillText(1, 1, 600, 2, [](long r, long column) { return At(r, column); });
        Excel().Select(L"$A$1:$B$600");
        merge::MergeRequest request;
        request.target = c.target;
        cwtest::StoppingProgress stopping(1);
        merge::MergeSelection(App(), request, stopping);

        const int name = static_cast<int>(c.target);
        EXPECT_EQ(stopping.rows, std::vector<long>{31}) << name;
        EXPECT_EQ(stopping.advances, c.advances) << name;
        const std::vector<host::Area> merged = Cells().MergedAreas();
        EXPECT_EQ(merged.empty() ? L"" : host::FormatAddress({merged.back()}, {}), c.merged) << name;
        EXPECT_TRUE(IsText(Cells().At(L"A31"), c.a31)) << name;
        EXPECT_TRUE(IsText(Cells().At(L"A32"), c.a32)) << name;
    }
}

class MergeStatus : public cwtest::StatusWizardTest {
protected:
    static constexpr long kMerge = static_cast<long>(CMyAddin::Tool::MergeCellText);

    // Mode radio, its page, whether the cells are merged; Finish, and Cancel after a failure.
    bool MergeWith(int modeRadio, UINT page, bool mergeCells, bool failing) {
        host::WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_SELECT_MERGE).CheckRadio(modeRadio).PressNext()
            .WaitForPage(page).SetCheck(IDC_MERGE_TARGETS, mergeCells).PressFinish();
        if (failing) driver.WaitForPage(page).PressCancel();
        bool done = Run(driver, kMerge);
        EXPECT_TRUE(done) << driver.Report();
        return done;
    }
};

TEST_F(MergeStatus, each_mode_says_what_it_merged_or_joined_and_a_failure_shows_no_count) {
    const struct {
        int radio;
        UINT page;
        bool mergeCells;
        const wchar_t* selection;
        bool protectedSheet;
        std::optional<std::wstring> line;
    } cases[] = {
        {IDC_OPTION_1, IDD_MERGE_BY_ROW, true, L"$A$1:$B$2", false, L"Merge Cell Text: 2 rows merged"},
        {IDC_OPTION_2, IDD_MERGE_BY_COLUMN, false, L"$A$1:$C$2", false, L"Merge Cell Text: 3 columns joined"},
        {IDC_OPTION_3, IDD_MERGE_IN_A_CELL, true, L"$A$1:$B$2,$D$1:$D$2", false,
         L"Merge Cell Text: 2 areas merged into one cell each"},
        {IDC_OPTION_1, IDD_MERGE_BY_ROW, true, L"$A$1", false, L"Merge Cell Text: no rows merged"},
        {IDC_OPTION_1, IDD_MERGE_BY_ROW, true, L"$A$1:$B$2", true, std::nullopt},
    };
    for (const auto& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        for (long r = 1; r <= 2; ++r)
            for (const wchar_t* column : {L"A", L"B", L"C", L"D"})
                Cells().SetText(column + std::to_wstring(r), L"text");
        Excel().Select(c.selection);
        Excel().SetProtected(c.protectedSheet);
        size_t before = Excel().StatusBarPuts().size();
        cwtest::MessageBoxRecorder messages;
        ASSERT_TRUE(MergeWith(c.radio, c.page, c.mergeCells, c.protectedSheet)) << c.selection;
        EXPECT_EQ(messages.Count(), c.protectedSheet ? 1u : 0u) << c.selection;
        StatusBarPuts expected;
        if (c.line) expected = {c.line};
        EXPECT_EQ(PutsSince(before), expected) << c.selection;
        StartAndCancel();
    }
}

}  // namespace
