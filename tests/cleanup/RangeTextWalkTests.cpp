// The range text walk and both engines against the stand-in: what is read and written, in which order,
// and which cells are never touched.
#include <gtest/gtest.h>

#include "host/excel/ExcelConstants.h"
#include "tests/cleanup/EngineTest.h"
#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/cleanup/RemoveMode.h"

namespace {

using cleanup::RunChangeCase;
using cleanup::RunRemoveCharacters;
using cwtest::IsText;

using RangeTextWalk = cwtest::EngineTest;

// ---- One road at every size

TEST_F(RangeTextWalk, an_area_costs_a_value_read_and_formulas_are_asked_only_of_a_block_with_changes) {
    // Rows 1 and 3 need upper-casing; rows 2 and 4 are upper case already. B2 holds a number, C4 a formula.
    FillText(1, 1, 4, 3, [](long r, long c) { return (r % 2 ? L"low " : L"UP ") + std::to_wstring(c); });
    Cells().SetNumber(L"B2", 42);
    Cells().SetFormula(L"C4", L"=\"XYZ\"", host::CellValue::Text(L"XYZ"));
    Excel().Select(L"$A$1:$C$4");
    Excel().ClearLog();
    EXPECT_EQ(RunChangeCase(App(), cleanup::CaseMode::Upper).changed, 6);

    // One block: its values, its formula test (Null: mixed) and formulas; then one put per row of changes
    // (rows 1 and 3 are not neighbours).
    EXPECT_EQ(Gets(L"Range.Value"), 1u);
    EXPECT_EQ(Gets(L"Range.HasFormula"), 1u);
    EXPECT_EQ(Gets(L"Range.Formula"), 1u);
    EXPECT_EQ(Gets(L"Range.Text") + Gets(L"Range.HasArray"), 0u);
    EXPECT_EQ(ValuePuts(), 2u);
    for (long r = 1; r <= 4; ++r)
        for (long c = 1; c <= 3; ++c) {
            if ((r == 2 && c == 2) || (r == 4 && c == 3)) continue;
            EXPECT_TRUE(IsText(Cells().At(r, c), (r % 2 ? L"LOW " : L"UP ") + std::to_wstring(c))) << At(r, c);
        }
    EXPECT_EQ(Cells().At(L"B2").value, host::CellValue::Number(42));
    EXPECT_TRUE(Cells().At(L"C4").hasFormula);

    // Nothing left to change: no formula test, no write.
    Excel().ClearLog();
    EXPECT_EQ(RunChangeCase(App(), cleanup::CaseMode::Upper).changed, 0);
    EXPECT_EQ(Gets(L"Range.HasFormula") + ValuePuts(), 0u);
}

TEST_F(RangeTextWalk, formulas_and_array_formulas_stay_and_the_other_cells_of_their_row_are_still_processed) {
    Cells().SetText(L"A1", L" abc");
    Cells().SetFormula(L"B1", L"=\" x\"", host::CellValue::Text(L" x"));
    Cells().SetText(L"C1", L" def");
    Cells().SetArrayFormula(L"A2:B2", L"={\" y\",\" y\"}", host::CellValue::Text(L" y"));
    Cells().SetText(L"C2", L" ghi");
    // A formula that is a whole area, and a one-column area holding one.
    Cells().SetFormula(L"E1", L"=\" z\"", host::CellValue::Text(L" z"));
    Cells().SetFormula(L"F2", L"=\" w\"", host::CellValue::Text(L" w"));
    Cells().SetText(L"F1", L" jkl");
    Excel().Select(L"$A$1:$C$2,$E$1,$F$1:$F$2");
    RunRemoveCharacters(App(), cleanup::RemoveMode::Leading);

    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"abc"));
    EXPECT_TRUE(IsText(Cells().At(L"C1"), L"def"));
    EXPECT_TRUE(IsText(Cells().At(L"C2"), L"ghi"));
    EXPECT_TRUE(IsText(Cells().At(L"F1"), L"jkl"));
    EXPECT_EQ(ValuePuts(), 3u);  // A1, C1:C2, F1
    for (const wchar_t* formula : {L"B1", L"E1", L"F2"}) {
        host::Cell cell = Cells().At(formula);
        EXPECT_TRUE(cell.hasFormula) << formula;
        EXPECT_EQ(cell.value.text.substr(0, 1), L" ") << formula;
    }
    for (const wchar_t* part : {L"A2", L"B2"}) {
        EXPECT_TRUE(Cells().At(part).hasArray) << part;
        EXPECT_EQ(Cells().At(part).value.text, L" y") << part;
    }
}

TEST_F(RangeTextWalk, blank_cells_are_never_written) {
    Cells().SetText(L"B2", L"x");
    Excel().Select(L"$A$1:$C$3,$E$1:$E$3,$G$1");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_EQ(ValuePuts(), 1u);
    EXPECT_EQ(Cells().ContentCount(), 1u);
    EXPECT_TRUE(IsText(Cells().At(L"B2"), L"X"));
}

TEST_F(RangeTextWalk, areas_are_walked_in_the_order_the_selection_lists_them_and_a_failure_stops_the_walk) {
    // A6 holds a text under a merge (only a fixture can do that), so writing it fails: what the walk did
    // before shows its order.
    FillText(1, 1, 6, 4, [](long, long) { return L"text"; });
    Cells().MergeCells(L"A5:A6");
    Excel().Select(L"$C$3:$D$3,$A$6,$A$1:$B$1");
    std::wstring failure = FailureOf([&] { RunChangeCase(App(), cleanup::CaseMode::Upper); });
    EXPECT_EQ(failure, L"Cannot change part of a merged cell.");
    EXPECT_TRUE(IsText(Cells().At(L"C3"), L"TEXT"));
    EXPECT_TRUE(IsText(Cells().At(L"D3"), L"TEXT"));
    EXPECT_TRUE(IsText(Cells().At(L"A6"), L"text"));
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"text"));
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"text"));
}

TEST_F(RangeTextWalk, a_merged_cell_inside_the_selection_is_processed_like_any_other) {
    // A rectangle through a merged area refuses a write as a whole (Excel's rule); its parts do not.
    FillText(4, 1, 7, 2, [](long r, long c) { return L"cell " + At(r, c); });
    Cells().ClearCell(L"A6");
    Cells().MergeCells(L"A5:A6");
    Cells().ClearCell(L"B3");
    Cells().MergeCells(L"A3:B3");
    Cells().SetText(L"A3", L"heading");
    Excel().Select(L"$A$3:$B$7");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_TRUE(IsText(Cells().At(L"A3"), L"HEADING"));
    for (long r = 4; r <= 7; ++r)
        for (long c = 1; c <= 2; ++c) {
            if (r == 6 && c == 1) continue;
            EXPECT_TRUE(IsText(Cells().At(r, c), L"CELL " + At(r, c))) << At(r, c);
        }
    EXPECT_TRUE(Cells().At(L"A6").IsEmpty());
    EXPECT_EQ(Cells().MergedAreas().size(), 2u);
}

// ---- The size limit

TEST_F(RangeTextWalk, a_selection_of_exactly_1000_rows_is_processed_as_selected) {
    FillText(1, 2, 1001, 2, [](long, long) { return L"row"; });
    Cells().SetText(L"D2000", L"far");
    Excel().Select(L"$B$1:$B$1000");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_EQ(Gets(L"Worksheet.UsedRange"), 0u);
    EXPECT_EQ(Excel().Log().Count(L"Application.Intersect"), 0u);
    EXPECT_EQ(ValuePuts(), 3u);  // bands of 63 and 252 rows, then one of the other 685
    EXPECT_TRUE(IsText(Cells().At(1000, 2), L"ROW"));
    EXPECT_TRUE(IsText(Cells().At(1001, 2), L"row"));

    Excel().Select(L"$B$1:$B$1001");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_EQ(Gets(L"Worksheet.UsedRange"), 1u);
    EXPECT_TRUE(IsText(Cells().At(1001, 2), L"ROW"));
}

TEST_F(RangeTextWalk, past_the_limit_only_the_selected_part_of_the_used_range_is_touched) {
    FillText(1, 1, 2000, 4, [](long r, long c) { return L"cell " + At(r, c); });
    Excel().Select(L"$B:$B");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_EQ(Excel().Log().Count(L"Application.Intersect"), 1u);
    EXPECT_EQ(ValuePuts(), 4u);  // bands of 63, 252, 1008 and 677 rows
    EXPECT_EQ(Cells().ContentCount(), 8000u);
    for (long r : {1L, 999L, 1000L, 1001L, 2000L}) {
        EXPECT_TRUE(IsText(Cells().At(r, 2), L"CELL B" + std::to_wstring(r))) << r;
        for (long c : {1L, 3L, 4L}) EXPECT_TRUE(IsText(Cells().At(r, c), L"cell " + At(r, c))) << At(r, c);
    }

    // Several whole columns: each is clipped on its own, the used range is asked once.
    Excel().Select(L"$A:$A,$D:$D");
    Excel().ClearLog();
    RunRemoveCharacters(App(), cleanup::RemoveMode::NoBreakSpaces);
    EXPECT_EQ(Gets(L"Worksheet.UsedRange"), 1u);
    Cells().SetText(L"A7", L"a\u00A0b");
    Cells().SetText(L"C7", L"c\u00A0d");
    RunRemoveCharacters(App(), cleanup::RemoveMode::NoBreakSpaces);
    EXPECT_TRUE(IsText(Cells().At(L"A7"), L"ab"));
    EXPECT_TRUE(IsText(Cells().At(L"C7"), L"c\u00A0d"));
}

TEST_F(RangeTextWalk, whole_columns_over_a_used_range_away_from_a1_reach_only_its_cells) {
    FillText(5, 3, 10, 4, [](long, long) { return L"abc"; });
    Cells().SetText(L"F12", L"abc");
    Excel().Select(L"$A:$D");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_EQ(ValuePuts(), 1u);  // C5:D10 is one block
    EXPECT_TRUE(IsText(Cells().At(L"C5"), L"ABC"));
    EXPECT_TRUE(IsText(Cells().At(L"D10"), L"ABC"));
    EXPECT_TRUE(IsText(Cells().At(L"F12"), L"abc"));
}

TEST_F(RangeTextWalk, whole_rows_reach_only_the_used_range_instead_of_every_column_of_the_sheet) {
    FillText(1, 1, 3, 4, [](long, long) { return L"abc"; });
    Excel().Select(L"$1:$3");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_EQ(Gets(L"Worksheet.UsedRange"), 1u);
    EXPECT_EQ(Gets(L"Range.HasFormula"), 1u);  // A1:D3 is one block, not 16,384 cells a row
    EXPECT_EQ(ValuePuts(), 1u);
    EXPECT_TRUE(IsText(Cells().At(L"D3"), L"ABC"));
}

// ---- The application settings

TEST_F(RangeTextWalk, change_case_reads_the_three_settings_switches_them_off_around_every_write_and_puts_them_back) {
    Cells().SetText(L"A1", L"a");
    Cells().SetText(L"A2", L"b");
    Excel().Select(L"$A$1:$A$2");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    std::vector<std::wstring> calls = CallsTo({L"Application.Calculation", L"Application.ScreenUpdating",
                                               L"Application.EnableEvents", L"Range.Value"});
    std::vector<std::wstring> expected = {
        L"Application.Calculation get", L"Application.ScreenUpdating get", L"Application.EnableEvents get",
        L"Application.Calculation put", L"Application.ScreenUpdating put", L"Application.EnableEvents put",
        L"Range.Value get",             L"Range.Value put",                L"Application.Calculation put",
        L"Application.ScreenUpdating put", L"Application.EnableEvents put"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationAutomatic);
    EXPECT_TRUE(Excel().ScreenUpdating());
    EXPECT_TRUE(Excel().EnableEvents());
}

TEST_F(RangeTextWalk, change_case_puts_back_exactly_the_settings_it_found_also_after_a_failure) {
    Excel().Select(L"$A$1");
    for (bool failing : {false, true}) {
        Cells().SetText(L"A1", L"a");
        Excel().SetCalculation(host::xl::CalculationManual);
        Excel().SetScreenUpdating(false);
        Excel().SetEnableEvents(true);
        Excel().SetProtected(failing);
        std::wstring failure = FailureOf([&] { RunChangeCase(App(), cleanup::CaseMode::Upper); });
        EXPECT_EQ(failure.empty(), !failing);
        EXPECT_EQ(Excel().Calculation(), host::xl::CalculationManual) << "failing " << failing;
        EXPECT_FALSE(Excel().ScreenUpdating()) << "failing " << failing;
        EXPECT_TRUE(Excel().EnableEvents()) << "failing " << failing;
    }
    Excel().SetProtected(false);
    Excel().SetCalculation(host::xl::CalculationSemiautomatic);
    Excel().SetEnableEvents(false);
    RunChangeCase(App(), cleanup::CaseMode::Lower);
    EXPECT_EQ(Excel().Calculation(), host::xl::CalculationSemiautomatic);
    EXPECT_FALSE(Excel().EnableEvents());
}

TEST_F(RangeTextWalk, remove_characters_never_touches_the_application_settings) {
    Cells().SetText(L"A1", L" a ");
    Excel().Select(L"$A$1:$B$2");
    RunRemoveCharacters(App(), cleanup::RemoveMode::LeadingAndTrailing);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"a"));
    EXPECT_TRUE(CallsTo({L"Application.Calculation", L"Application.ScreenUpdating", L"Application.EnableEvents"})
                    .empty());
}

// ---- Values that are no text, and texts that must stay text

TEST_F(RangeTextWalk, numbers_dates_booleans_and_errors_keep_their_values_whatever_they_display) {
    // Column A is one column; row 8 mixes them with text.
    Cells().SetNumber(L"A1", 1234.5678);
    Cells().SetColumnWidth(1, 2);  // shows "#"
    Cells().SetNumberFormat(L"A2", L"0.00\" kg\"");
    Cells().SetNumber(L"A2", 1234.5678);  // shows "1234.57 kg"
    Cells().SetNumberFormat(L"A3", L"\"  \"0.00");
    Cells().SetNumber(L"A3", 1234.5678);  // shows "  1234.57"
    Cells().SetNumberFormat(L"A4", L"mmm d");
    Cells().SetDate(L"A4", 2024, 1, 2);  // shows "Jan 2"
    Cells().SetBoolean(L"A5", true);
    Cells().SetError(L"A6", host::xl::ErrDiv0);
    Cells().SetCurrency(L"A7", 12.5);
    Cells().SetText(L"A8", L" mixed ");
    Cells().SetNumberFormat(L"B8", L"0.00\" kg\"");
    Cells().SetNumber(L"B8", 1234.5678);
    Cells().SetBoolean(L"C8", false);
    Excel().Select(L"$A$1:$A$8,$A$8:$C$8");

    std::vector<host::Cell> before;
    for (const wchar_t* address : {L"A1", L"A2", L"A3", L"A4", L"A5", L"A6", L"A7", L"B8", L"C8"})
        before.push_back(Cells().At(address));
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    RunChangeCase(App(), cleanup::CaseMode::Lower);
    RunRemoveCharacters(App(), cleanup::RemoveMode::LeadingAndTrailing);
    RunRemoveCharacters(App(), cleanup::RemoveMode::NonPrinting);

    size_t i = 0;
    for (const wchar_t* address : {L"A1", L"A2", L"A3", L"A4", L"A5", L"A6", L"A7", L"B8", L"C8"}) {
        host::Cell cell = Cells().At(address);
        EXPECT_EQ(cell.value, before[i].value) << address;
        EXPECT_EQ(cell.numberFormat, before[i].numberFormat) << address;
        ++i;
    }
    EXPECT_TRUE(IsText(Cells().At(L"A8"), L"mixed"));
}

TEST_F(RangeTextWalk, texts_excel_would_read_as_something_else_stay_text_in_rows_and_columns) {
    const std::vector<std::pair<std::wstring, std::wstring>> texts = {
        {L"00123", L"00123"}, {L"1e5", L"1E5"},   {L"true", L"TRUE"},     {L"=a1", L"=A1"},
        {L"12%", L"12%"},     {L"1/2/2024", L"1/2/2024"}, {L"-abc", L"-ABC"}, {L"#n/a", L"#N/A"},
        {L"jan 5, 2024", L"JAN 5, 2024"}, {L"$12.50", L"$12.50"}, {L"(12)", L"(12)"}, {L"+x", L"+X"}};
    // Row 1 holds them with a cell that changes; column 20 has the same texts.
    long c = 1;
    for (const auto& text : texts) Cells().SetText(At(1, c++), text.first);
    Cells().SetText(At(1, c), L"changes");
    long r = 1;
    for (const auto& text : texts) Cells().SetText(At(r++, 20), text.first);
    Excel().Select(L"$A$1:$M$1,$T$1:$T$12");
    RunChangeCase(App(), cleanup::CaseMode::Upper);

    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(IsText(Cells().At(1, long(i) + 1), texts[i].second)) << At(1, long(i) + 1);
        EXPECT_TRUE(IsText(Cells().At(long(i) + 1, 20), texts[i].second)) << At(long(i) + 1, 20);
    }
    EXPECT_TRUE(IsText(Cells().At(1, c), L"CHANGES"));
}

TEST_F(RangeTextWalk, removing_characters_that_uncovers_a_number_or_a_formula_keeps_the_text) {
    Cells().SetText(L"A1", L"  00123");
    Cells().SetText(L"A2", L"\u00A0=SUM(B1:B2)");
    Cells().SetText(L"A3", L"\t12% ");
    Cells().SetText(L"B1", L" true");
    Cells().SetText(L"C1", L" 3/4");
    Excel().Select(L"$A$1:$A$3,$B$1:$C$1");
    RunRemoveCharacters(App(), cleanup::RemoveMode::LeadingAndTrailing);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"00123"));
    EXPECT_TRUE(IsText(Cells().At(L"A2"), L"=SUM(B1:B2)"));
    EXPECT_TRUE(IsText(Cells().At(L"A3"), L"12%"));
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"true"));
    EXPECT_TRUE(IsText(Cells().At(L"C1"), L"3/4"));
}

TEST_F(RangeTextWalk, a_text_of_blanks_only_is_emptied_by_the_space_rules_and_an_empty_text_stays_a_text) {
    Cells().SetText(L"A1", L"   ");
    Cells().SetText(L"B1", L"x ");
    Cells().Enter(L"C1", L"'");  // an empty text, as a lone apostrophe leaves it
    Cells().SetText(L"E1", L" \t ");
    Excel().Select(L"$A$1:$C$1,$E$1");
    RunRemoveCharacters(App(), cleanup::RemoveMode::Trailing);
    EXPECT_TRUE(Cells().At(L"A1").IsEmpty());
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"x"));
    EXPECT_TRUE(IsText(Cells().At(L"C1"), L""));
    EXPECT_TRUE(Cells().At(L"E1").IsEmpty());
}

// ---- Texts at the edges

TEST_F(RangeTextWalk, a_text_of_32767_characters_is_rewritten_whole) {
    std::wstring longest(32767, L'a');
    longest[100] = L' ';
    Cells().SetText(L"A1", longest);
    Cells().SetText(L"B1", L"b");
    Cells().SetText(L"A3", longest);
    Excel().Select(L"$A$1:$B$1,$A$3");
    RunChangeCase(App(), cleanup::CaseMode::EachWord);
    std::wstring expected(32767, L'a');
    expected[0] = L'A';
    expected[100] = L' ';
    expected[101] = L'A';
    EXPECT_TRUE(IsText(Cells().At(L"A1"), expected));
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"B"));
    EXPECT_TRUE(IsText(Cells().At(L"A3"), expected));
}

TEST_F(RangeTextWalk, unpaired_surrogates_survive_every_rule) {
    const std::wstring odd = std::wstring(L"ab") + wchar_t(0xD83D) + L" cd" + wchar_t(0xDE00) + L"\u00A0";
    Cells().SetText(L"A1", odd);
    Cells().SetText(L"B1", odd);
    Cells().SetText(L"A3", odd);
    Excel().Select(L"$A$1:$B$1,$A$3");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    RunRemoveCharacters(App(), cleanup::RemoveMode::NoBreakSpaces);
    RunRemoveCharacters(App(), cleanup::RemoveMode::NonPrinting);
    const std::wstring expected = std::wstring(L"AB") + wchar_t(0xD83D) + L" CD" + wchar_t(0xDE00);
    for (const wchar_t* address : {L"A1", L"B1", L"A3"}) EXPECT_TRUE(IsText(Cells().At(address), expected)) << address;
}

TEST_F(RangeTextWalk, a_text_holding_a_nul_is_left_whole_and_its_row_neighbours_are_still_processed) {
    const std::wstring withNul(L"ab\0cd", 5);
    Cells().SetText(L"A1", withNul);
    Cells().SetText(L"B1", L"ef");
    Cells().SetText(L"A3", withNul);
    Excel().Select(L"$A$1:$B$1,$A$3");
    RunChangeCase(App(), cleanup::CaseMode::Upper);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), withNul));
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"EF"));
    EXPECT_TRUE(IsText(Cells().At(L"A3"), withNul));
}

TEST_F(RangeTextWalk, overlapping_areas_lose_nothing_and_a_cell_done_once_is_not_written_again) {
    FillText(1, 1, 3, 3, [](long r, long c) { return L" x" + At(r, c) + L" "; });
    Excel().Select(L"$A$1:$B$2,$B$2:$C$3");
    RunRemoveCharacters(App(), cleanup::RemoveMode::LeadingAndTrailing);
    for (long r = 1; r <= 3; ++r)
        for (long c = 1; c <= 3; ++c) {
            bool selected = (r <= 2 && c <= 2) || (r >= 2 && c >= 2);
            EXPECT_TRUE(IsText(Cells().At(r, c), selected ? L"x" + At(r, c) : L" x" + At(r, c) + L" ")) << At(r, c);
        }
    // The first area whole; of the second, C2:C3 and B3.
    EXPECT_EQ(ValuePuts(), 3u);
}

}  // namespace

struct FullLengthCase {
    const char* what;
    std::wstring original;
    bool upper;
    std::wstring written;  // empty: left as it was
};

TEST_F(RangeTextWalk, a_full_length_text_that_needs_an_apostrophe_is_written_without_it_or_left_and_the_run_goes_on) {
    const std::wstring spaces(32763, L' ');
    const FullLengthCase cases[] = {
        // Excel reads a digit and a long run of letters as nothing but text.
        {"a digit, then letters", L"1" + std::wstring(32766, L'a'), true, L"1" + std::wstring(32766, L'A')},
        // TRUE with spaces, or a formula, would change what the cell is: such a cell stays as it was.
        {"a boolean's word with spaces", L"TRUE" + spaces, false, L""},
        {"a formula's text", L"=a" + std::wstring(32765, L'b'), true, L""},
        // One character shorter, the apostrophe fits.
        {"a digit, then letters, with room", L"1" + std::wstring(32765, L'a'), true, L"'1" + std::wstring(32765, L'A')},
    };
    for (const FullLengthCase& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        Cells().SetText(L"A1", L"abc");
        Cells().SetText(L"A2", c.original);
        Cells().SetText(L"A3", L"Abc ");
        Excel().Select(L"$A$1:$A$3");
        const cleanup::TextWalkResult result = RunChangeCase(App(), c.upper ? cleanup::CaseMode::Upper : cleanup::CaseMode::Lower);
        EXPECT_EQ(result.keptTooLong, c.written.empty() ? 1 : 0) << c.what;
        EXPECT_EQ(result.changed, (c.upper ? 2 : 1) + (c.written.empty() ? 0 : 1)) << c.what;
        const bool apostrophe = !c.written.empty() && c.written.front() == L'\'';
        EXPECT_TRUE(IsText(Cells().At(L"A2"), c.written.empty() ? c.original : c.written.substr(apostrophe ? 1 : 0)))
            << c.what;
        EXPECT_EQ(Cells().At(L"A2").prefixed, apostrophe) << c.what;
        EXPECT_TRUE(IsText(Cells().At(L"A3"), c.upper ? L"ABC " : L"abc ")) << c.what << ": the run goes on";
    }
}
