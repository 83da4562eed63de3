// The range text walk over big areas, where blocks matter: what each costs, how bands follow the caps on
// cells and bytes, and what a failure or an overlap leaves.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/excel/ExcelConstants.h"
#include "tests/cleanup/EngineTest.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/RemoveMode.h"
#include "tools/cleanup/WalkRangeText.h"

namespace {

using cleanup::RunChangeCase;
using cleanup::RunRemoveCharacters;
using cwtest::IsText;

using BlockWalk = cwtest::EngineTest;

TEST_F(BlockWalk, each_block_costs_one_value_read_one_formula_test_and_each_changed_rectangle_one_write) {
    // A:B over 1,500 rows in blocks of at most 1,000 cells: bands of 128 rows (256 cells first, with bytes enough
    // for 256 full-length texts), then 500, 500 and the last 372.
    FillText(1, 1, 1500, 2, [](long r, long c) { return L" row " + std::to_wstring(r) + (c == 1 ? L" a" : L" b"); });
    Excel().Select(L"$A:$B");
    const cleanup::TextTransform removeLeading = [](std::wstring& text) {
        cleanup::RemoveCharactersFromText(text, cleanup::RemoveMode::Leading);
    };
    Excel().ClearLog();
    cleanup::WalkRangeText(App(), removeLeading, cleanup::ExcelUpdates::LeftAlone, blocks::BlockCaps{1000, 64u << 20});

    EXPECT_EQ(Gets(L"Range.HasFormula"), 4u);
    EXPECT_EQ(Gets(L"Range.Value"), 4u);
    EXPECT_EQ(Gets(L"Range.Formula"), 0u);
    EXPECT_EQ(ValuePuts(), 4u);
    // Resize for the first band, Resize and Offset for a band of another height, Offset for one alike.
    EXPECT_EQ(Gets(L"Range.Resize"), 3u);
    EXPECT_EQ(Gets(L"Range.Offset"), 3u);
    // The selection, its areas, the used range and the part's size take 16; each block 5 or 6 more.
    EXPECT_LE(Excel().Log().Total(), 40u);
    for (long r : {1L, 500L, 501L, 1000L, 1001L, 1500L}) {
        EXPECT_TRUE(IsText(Cells().At(r, 1), L"row " + std::to_wstring(r) + L" a")) << r;
        EXPECT_TRUE(IsText(Cells().At(r, 2), L"row " + std::to_wstring(r) + L" b")) << r;
    }

    // Run again: nothing changes, so nothing is written.
    Excel().ClearLog();
    RunRemoveCharacters(App(), cleanup::RemoveMode::Leading);
    EXPECT_EQ(ValuePuts(), 0u);
}

TEST_F(BlockWalk, formulas_cost_one_formula_read_per_mixed_block_and_a_text_that_looks_like_one_one_check) {
    FillText(1, 1, 1500, 2, [](long, long) { return L"text"; });
    Cells().SetFormula(L"A10", L"=LOWER(\"X\")", host::CellValue::Text(L"x"));
    Cells().SetFormula(L"B20", L"=b21", host::CellValue::Text(L"=b21"));  // yields its own text
    Cells().SetText(L"A30", L"=not a formula");
    Excel().Select(L"$A:$B");
    Excel().ClearLog();
    RunChangeCase(App(), cleanup::CaseMode::Upper);

    // Bands of 31, 124, 496 and 849 rows (the first as small as full-length texts need). Each: its values and
    // its formula test; the first, which mixes, its formulas; then one check for each unsure text.
    EXPECT_EQ(Gets(L"Range.HasFormula"), 4u + 2u);
    EXPECT_EQ(Gets(L"Range.Formula"), 1u);
    EXPECT_EQ(Gets(L"Range.HasArray"), 0u);
    EXPECT_TRUE(Cells().At(L"A10").hasFormula);
    EXPECT_EQ(Cells().At(L"A10").value.text, L"x");
    EXPECT_TRUE(Cells().At(L"B20").hasFormula);
    EXPECT_EQ(Cells().At(L"B20").value.text, L"=b21");
    EXPECT_TRUE(IsText(Cells().At(L"A30"), L"=NOT A FORMULA"));
    EXPECT_TRUE(IsText(Cells().At(L"B1500"), L"TEXT"));
    // The formulas split the block's texts into a handful of rectangles, not one write per row.
    EXPECT_LE(ValuePuts(), 12u);
}

TEST_F(BlockWalk, a_protected_sheet_fails_with_excels_description_after_a_few_calls_and_the_settings_come_back) {
    FillText(1, 1, 1500, 3, [](long, long) { return L"abc"; });
    Excel().Select(L"$A:$C");
    Excel().SetCalculation(host::xl::CalculationManual);
    Excel().SetProtected(true);
    Excel().ClearLog();
    std::wstring failure = FailureOf([&] { RunChangeCase(App(), cleanup::CaseMode::Upper); });
    EXPECT_EQ(failure, L"The cell or chart that you are trying to change is protected and therefore read-only.");
    EXPECT_LE(ValuePuts(), 16u);
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"abc"));
}

TEST_F(BlockWalk, overlapping_whole_columns_lose_nothing_and_a_cell_done_once_is_not_written_again) {
    FillText(1, 1, 1200, 4, [](long r, long c) { return L" x" + At(r, c) + L" "; });
    Excel().Select(L"$A:$B,$B:$C");
    Excel().ClearLog();
    RunRemoveCharacters(App(), cleanup::RemoveMode::LeadingAndTrailing);
    for (long r : {1L, 600L, 1200L}) {
        for (long c = 1; c <= 3; ++c) EXPECT_TRUE(IsText(Cells().At(r, c), L"x" + At(r, c))) << At(r, c);
        EXPECT_TRUE(IsText(Cells().At(r, 4), L" x" + At(r, 4) + L" ")) << At(r, 4);
    }
    // A1:B1200 whole, a put per band (31, 124, 496 and 549 rows); then of B1:C1200 only column C.
    EXPECT_EQ(ValuePuts(), 8u);
}

}  // namespace
