// The range text walk past the size limit, where it works in blocks: what it costs, and that every cell
// comes out exactly as the row-by-row walk within the limit leaves it.
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

TEST_F(BlockWalk, each_block_costs_one_formula_test_and_one_value_read_and_each_changed_rectangle_one_write) {
    // A:B over 1,500 rows in blocks of 1,000 cells: three blocks of 500 rows.
    FillText(1, 1, 1500, 2, [](long r, long c) { return L" row " + std::to_wstring(r) + (c == 1 ? L" a" : L" b"); });
    Excel().Select(L"$A:$B");
    const cleanup::TextTransform removeLeading = [](std::wstring& text) {
        cleanup::RemoveCharactersFromText(text, cleanup::RemoveMode::Leading);
    };
    Excel().ClearLog();
    cleanup::WalkRangeText(App(), removeLeading, cleanup::ExcelUpdates::LeftAlone, cleanup::BlockCells{1000});

    EXPECT_EQ(Gets(L"Range.HasFormula"), 3u);
    EXPECT_EQ(Gets(L"Range.Value"), 3u);
    EXPECT_EQ(Gets(L"Range.Formula"), 0u);
    EXPECT_EQ(ValuePuts(), 3u);
    EXPECT_EQ(Gets(L"Range.Resize") + Gets(L"Range.Offset"), 5u);
    // The selection, its areas, the used range and the part's size take 16; each block 4 or 5 more.
    EXPECT_LE(Excel().Log().Total(), 32u);
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

    // One block: its formula test, its values, its formulas; then one check for each unsure text.
    EXPECT_EQ(Gets(L"Range.HasFormula"), 1u + 2u);
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
    // A1:B1200 whole; then of B1:C1200 only column C is left to change.
    EXPECT_EQ(ValuePuts(), 2u);
}

// ---- The same cells as the row-by-row walk

// A sheet with every kind of cell the walk meets: texts in every case, with blanks, tabs, no-break spaces
// and control characters, texts Excel would read as numbers, dates, booleans or formulas, a text holding a
// NUL, empty texts, numbers, dates, booleans, errors, blanks, formulas with text results (one yielding its
// own text), an array formula and merged areas.
void FillEverything(host::Sheet& sheet, long rows, long columns) {
    const std::vector<std::wstring> texts = {
        L" item one ", L"ITEM TWO",  L"hELLO wORLD", L"\u00A0nbsp\u00A0inside\u00A0", L"\ttab\tand\nline\r",
        L"00123",      L" 12% ",     L"true",        L"=lower(x)",                      L"-abc",
        L"o'neil-smith and 3rd street", L"\x01" L"ctl\x7F" L"x\x90", L"  ", L"jan 5", L"#n/a", L"already"};
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            std::wstring address = host::ColumnLetters(c) + std::to_wstring(r);
            long kind = (r * 7 + c * 13 + (r / 5) * 3) % 23;
            switch (kind) {
                case 16: sheet.SetNumber(address, r + c / 8.0); break;
                case 17: break;  // blank
                case 18: sheet.SetFormula(address, L"=LOWER(\" f \")", host::CellValue::Text(L" f ")); break;
                case 19: sheet.SetDate(address, 2024, 1 + r % 12, 1 + c % 28); break;
                case 20:
                    if (r % 2) sheet.SetBoolean(address, true);
                    else sheet.SetError(address, host::xl::ErrDiv0);
                    break;
                case 21:
                    if (r % 3 == 0) sheet.SetText(address, std::wstring(L"nul\0 here", 9));
                    else if (r % 3 == 1) sheet.Enter(address, L"'");
                    else sheet.SetFormula(address, L"=own", host::CellValue::Text(L"=own"));
                    break;
                case 22: sheet.SetText(address, L" x" + std::to_wstring(r) + L" "); break;
                default: sheet.SetText(address, texts[static_cast<size_t>(kind)]); break;
            }
        }
    }
    sheet.SetArrayFormula(L"B8:C9", L"={\" y \"}", host::CellValue::Text(L" y "));
    for (const wchar_t* merged : {L"A3:B3", L"D700:D702", L"E1000:F1002"}) {
        host::Area area = *host::ParseReference(merged)->areas.begin();
        for (long r = area.top; r <= area.bottom; ++r)
            for (long c = area.left; c <= area.right; ++c)
                if (r != area.top || c != area.left) sheet.ClearCell(host::ColumnLetters(c) + std::to_wstring(r));
        sheet.MergeCells(merged);
    }
}

TEST_F(BlockWalk, every_rule_leaves_every_cell_as_the_row_by_row_walk_does) {
    constexpr long kRows = 1100, kColumns = 6;
    std::vector<std::pair<const char*, cleanup::TextTransform>> rules;
    for (cleanup::CaseMode mode : cleanup::kCaseModes)
        rules.push_back({"case", [mode](std::wstring& text) { cleanup::ChangeCaseOfText(text, mode); }});
    for (cleanup::RemoveMode mode : cleanup::kRemoveModes)
        rules.push_back({"remove", [mode](std::wstring& text) { cleanup::RemoveCharactersFromText(text, mode); }});

    auto run = [&](const cleanup::TextTransform& rule, const wchar_t* selection, long blockCells) {
        auto excel = host::Excel::Create();
        framework::ComPtr<IDispatch> app = excel->Application();
        FillEverything(excel->ActiveSheet(), kRows, kColumns);
        excel->Select(selection);
        cleanup::WalkRangeText(sheet::Application(framework::ComPtr<IDispatch>(app.Get())), rule,
                               cleanup::ExcelUpdates::LeftAlone, cleanup::BlockCells{blockCells});
        return excel;
    };
    for (size_t i = 0; i < rules.size(); ++i) {
        auto rowByRow = run(rules[i].second, L"$A$1:$F$1000,$A$1001:$F$1100", blocks::kDefaultBlockCells);
        // Small blocks, so that block edges fall everywhere: 100 rows of 6 columns, and for the first rule of
        // each tool 4 cells of one row (thousands of blocks: slow).
        for (long blockCells : {600L, 4L}) {
            if (blockCells == 4 && i != 0 && i != 5) continue;
            auto inBlocks = run(rules[i].second, blockCells == 4 ? L"$1:$1100" : L"$A:$F", blockCells);
            size_t differences = 0;
            for (long r = 1; r <= kRows && differences < 5; ++r)
                for (long c = 1; c <= kColumns; ++c) {
                    host::Cell expected = rowByRow->ActiveSheet().At(r, c);
                    host::Cell got = inBlocks->ActiveSheet().At(r, c);
                    if (got.value == expected.value && got.hasFormula == expected.hasFormula &&
                        got.formula == expected.formula && got.numberFormat == expected.numberFormat)
                        continue;
                    ++differences;
                    ADD_FAILURE() << rules[i].first << " rule " << i << ", blocks of " << blockCells << ", "
                                  << testing::PrintToString(At(r, c)) << ": row by row "
                                  << testing::PrintToString(expected.value.text) << ", in blocks "
                                  << testing::PrintToString(got.value.text);
                }
            EXPECT_EQ(inBlocks->ActiveSheet().ContentCount(), rowByRow->ActiveSheet().ContentCount());
        }
    }
}

}  // namespace
