// The Remove Duplicates engine against the stand-in Excel, run on the selection as the add-in runs it on the
// working range: what each action changes and leaves alone, its calls within the row limit and past it, and
// failures.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/excel/ExcelError.h"
#include "tests/cleanup/EngineTest.h"
#include "tools/duplicates/RemoveDuplicates.h"

namespace {

using cwtest::IsText;
using duplicates::DupAction;
using duplicates::DuplicatesResult;

constexpr COLORREF kRed = 0x0000FF;
constexpr DupAction kActions[] = {DupAction::Select, DupAction::Color, DupAction::Delete};

class DuplicatesEngine : public cwtest::EngineTest {
protected:
    DuplicatesResult Run(DupAction action, std::vector<UINT> keyColumns, const std::wstring& selection) {
        Excel().Select(selection);
        return duplicates::RunRemoveDuplicates(App(), App().Selection(), keyColumns, action, kRed);
    }

    // The rows whose cell in `column` the action reached: selected, red or empty.
    std::set<long> Acted(DupAction action, long column, long firstRow, long lastRow) {
        host::Range selection = Excel().Selection();
        auto selected = [&](long r) {
            for (const host::Area& area : selection.Areas())
                if (area.Contains(r, column)) return true;
            return false;
        };
        std::set<long> rows;
        for (long r = firstRow; r <= lastRow; ++r) {
            host::Cell cell = Cells().At(r, column);
            bool hit = action == DupAction::Select  ? selected(r)
                       : action == DupAction::Color ? cell.interiorColor == kRed
                                                    : cell.IsEmpty();
            if (hit) rows.insert(r);
        }
        return rows;
    }
};

TEST_F(DuplicatesEngine, each_action_takes_exactly_the_later_rows_of_a_key_and_nothing_outside_the_range) {
    // B3:D9 keyed on B and D between sentinels in A and E: rows 5 and 7 repeat rows 3 and 4 (1.0000001 is 1 to
    // six decimals); rows 8 and 9 have blank keys; C is not ticked and differs everywhere.
    const wchar_t* const b[] = {L"a", L"b", L"a", L"c", L"b", L"", L""};
    const double d[] = {1, 2, 1.0000001, 3, 2};
    for (DupAction action : kActions) {
        for (long r = 3; r <= 9; ++r) {
            Cells().SetText(At(r, 1), L"left");
            if (*b[r - 3]) Cells().SetText(At(r, 2), b[r - 3]);
            Cells().SetText(At(r, 3), L"c" + std::to_wstring(r));
            if (r < 8) Cells().SetNumber(At(r, 4), d[r - 3]);
            Cells().SetText(At(r, 5), L"right");
        }
        Cells().SetInteriorColor(L"A1:E9", CLR_INVALID);  // no fill
        DuplicatesResult result = Run(action, {0, 2}, L"$B$3:$D$9");
        EXPECT_EQ(result.rowsExamined, 7);
        EXPECT_EQ(result.duplicatesFound, 2);
        EXPECT_EQ(result.rowsActedOn, 2);
        // The unticked column and the key cell holding a number go like the rest of the row.
        for (long column = 2; column <= 4; ++column)
            EXPECT_EQ(Acted(action, column, 3, 7), (std::set<long>{5, 7})) << "column " << column;
        EXPECT_EQ(Acted(action, 3, 3, 9), (std::set<long>{5, 7})) << "rows with blank keys stay";
        if (action == DupAction::Select) {
            EXPECT_EQ(Excel().SelectionAddress(), L"$B$5:$D$5,$B$7:$D$7");
        }
        for (long r = 3; r <= 9; ++r) {
            EXPECT_TRUE(IsText(Cells().At(r, 1), L"left") && !Cells().At(r, 1).interiorColor) << r;
            EXPECT_TRUE(IsText(Cells().At(r, 5), L"right") && !Cells().At(r, 5).interiorColor) << r;
        }
    }
}

TEST_F(DuplicatesEngine, a_small_range_costs_a_read_per_band_and_a_call_or_two_per_set_of_duplicate_rows) {
    struct Case {
        DupAction action;
        size_t unions, selects, colorPuts, valuePuts;
    } cases[] = {{DupAction::Select, 0, 1, 0, 0}, {DupAction::Color, 0, 0, 1, 0}, {DupAction::Delete, 0, 0, 0, 1}};
    for (const Case& c : cases) {
        for (const wchar_t* range : {L"$A$1:$B$4", L"$A$1:$A$4"}) {
            FillText(1, 1, 4, 2, [](long r, long col) { return std::to_wstring(r % 2) + std::to_wstring(col); });
            Excel().ClearLog();
            EXPECT_EQ(Run(c.action, {0, 1}, range).rowsActedOn, 2);
            bool oneColumn = range[6] == L'A';
            EXPECT_EQ(Gets(L"Range.Value"), 1u);
            // One column: what the texts show, told by one format read.
            EXPECT_EQ(Gets(L"Range.NumberFormat"), oneColumn ? 1u : 0u);
            EXPECT_EQ(Gets(L"Range.Item") + Gets(L"Range.Text"), 0u);
            // Rows 3 and 4 are one run: one reference.
            EXPECT_EQ(Gets(L"Worksheet.Range"), 1u);
            EXPECT_EQ(Excel().Log().Count(L"Application.Union"), c.unions);
            EXPECT_EQ(Excel().Log().Count(L"Range.Select"), c.selects);
            EXPECT_EQ(Excel().Log().Count(L"Interior.Color", host::Kind::Put), c.colorPuts);
            EXPECT_EQ(ValuePuts(), c.valuePuts);
        }
    }
}

TEST_F(DuplicatesEngine, one_column_keys_on_the_displayed_text_or_on_the_value_where_that_shows_only_number_signs) {
    // Column B is too narrow for nine digits; under "0", 1.2 and 1.4 both show 1; 5 shows 5 and 5.00.
    Cells().SetColumnWidth(2, 4);
    const double numbers[] = {123456789, 987654321, 123456789, 1.2, 1.4, 5, 5};
    const wchar_t* const formats[] = {L"General", L"General", L"General", L"0", L"0", L"0", L"0.00"};
    for (long r = 1; r <= 7; ++r) {
        Cells().SetNumber(At(r, 2), numbers[r - 1]);
        Cells().SetNumberFormat(At(r, 2), formats[r - 1]);
    }
    ASSERT_EQ(Cells().DisplayText(1, 2), Cells().DisplayText(2, 2));
    for (const wchar_t* selection : {L"$B$1:$B$7", L"$B:$B"}) {
        Cells().SetInteriorColor(L"B1:B7", CLR_INVALID);
        Run(DupAction::Color, {0}, selection);
        EXPECT_EQ(Acted(DupAction::Color, 2, 1, 7), (std::set<long>{3, 5})) << selection;
    }
}

TEST_F(DuplicatesEngine, one_cell_changes_nothing_one_row_has_no_duplicates_and_only_past_1000_rows_the_used_range_counts) {
    FillText(1, 1, 1, 2, [](long, long) { return std::wstring(L"same"); });
    EXPECT_EQ(Run(DupAction::Delete, {0}, L"$A$1").rowsExamined, 0);
    EXPECT_EQ(Run(DupAction::Delete, {0, 1}, L"$A$1:$B$1").duplicatesFound, 0);
    EXPECT_EQ(ValuePuts(), 0u);
    for (long rows : {1000L, 1001L}) {
        FillText(1, 1, rows, 1, [](long r, long) { return L"row " + std::to_wstring(r); });
        Cells().SetText(At(rows, 1), L"row 1");
        Excel().ClearLog();
        DuplicatesResult result = Run(DupAction::Delete, {0}, L"$A$1:$A$" + std::to_wstring(rows));
        EXPECT_EQ(result.rowsExamined, rows);
        EXPECT_EQ(result.duplicatesFound, 1) << rows;
        EXPECT_TRUE(Cells().At(rows, 1).IsEmpty()) << rows;
        EXPECT_EQ(Gets(L"Worksheet.UsedRange"), rows == 1000 ? 0u : 1u) << rows;
    }
}

TEST_F(DuplicatesEngine, whole_columns_take_a_few_calls) {
    // Row r repeats row r - 7 in A and C for every r divisible by 3 past 7; B always differs.
    const long used = 3000;
    std::set<long> repeats;
    for (long r = 1; r <= used; ++r) {
        long k = r % 3 == 0 && r > 7 ? r - 7 : r;
        if (k != r) repeats.insert(r);
        Cells().SetText(At(r, 1), L"id " + std::to_wstring(k));
        Cells().SetText(At(r, 2), L"other " + std::to_wstring(r));
        Cells().SetNumber(At(r, 3), k * 0.5);
    }
    for (DupAction action : kActions) {
        Excel().ClearLog();
        DuplicatesResult result = Run(action, {0, 2}, L"$A:$C");
        EXPECT_EQ(result.rowsExamined, used);
        EXPECT_EQ(result.rowsActedOn, static_cast<long>(repeats.size()));
        EXPECT_LT(Excel().Log().Total(), used * 3 / 20) << "well under 0.05 calls a cell";
        EXPECT_EQ(Gets(L"Range.Item") + Gets(L"Range.Text"), 0u) << "nothing cell by cell";
        EXPECT_EQ(Acted(action, 2, 1, used), repeats);
    }
}

TEST_F(DuplicatesEngine, past_the_limit_ticked_columns_keep_meaning_the_same_sheet_columns) {
    // The selection starts at A, the used range at C: offset 3 is D (8 keys), offsets 2 and 4 are C and E
    // (30 keys); A, B and offsets past E hold nothing.
    FillText(1, 3, 1500, 5, [](long r, long c) { return std::to_wstring(c) + L":" + std::to_wstring(r % (c * 2)); });
    const std::pair<std::vector<UINT>, long> cases[] = {{{3}, 1492}, {{2, 4}, 1470}, {{0, 1}, 0}, {{5, 7}, 0}};
    for (const auto& [offsets, found] : cases)
        EXPECT_EQ(Run(DupAction::Select, offsets, L"$A:$E").duplicatesFound, found) << offsets.front();
}

TEST_F(DuplicatesEngine, thousands_of_runs_go_in_references_excel_accepts) {
    FillText(1, 1, 5000, 1, [](long r, long) { return r % 2 ? std::wstring(L"same") : std::to_wstring(r); });
    EXPECT_EQ(Run(DupAction::Select, {0}, L"$A:$A").rowsActedOn, 2499);
    EXPECT_EQ(Excel().Selection().Areas().size(), 2499u);
    EXPECT_EQ(Run(DupAction::Delete, {0}, L"$A:$A").rowsActedOn, 2499);
    EXPECT_EQ(Cells().ContentCount(), 2501u);
}

TEST_F(DuplicatesEngine, a_failure_stops_the_run_and_keeps_the_rows_changed_before_it) {
    // Row 5 holds part of a merged area, which Excel refuses to empty; rows 2 to 6 are one write. Row 8
    // comes after the failure.
    Cells().MergeCells(L"B5:C5");
    for (const wchar_t* selection : {L"$A$1:$B$9", L"$A:$B"}) {
        FillText(1, 1, 9, 1, [](long r, long) { return std::wstring(r == 7 ? L"other" : L"same"); });
        Cells().SetText(L"A9", L"other");
        EXPECT_EQ(FailureOf([&] { Run(DupAction::Delete, {0}, selection); }), host::message::MergedPart);
        for (long r = 2; r <= 6; ++r) EXPECT_TRUE(IsText(Cells().At(r, 1), L"same")) << selection << r;
        EXPECT_TRUE(IsText(Cells().At(9, 1), L"other")) << selection;
    }
    Excel().SetProtected(true);
    EXPECT_EQ(FailureOf([&] { Run(DupAction::Color, {0}, L"$A$1:$A$6"); }),
              L"Unable to set the Color property of the Interior class");
    EXPECT_EQ(FailureOf([&] { Run(DupAction::Select, {0}, L"$A$1:$A$6"); }), L"") << "selecting changes nothing";
}

TEST_F(DuplicatesEngine, an_unknown_action_finds_the_duplicates_and_changes_nothing) {
    FillText(1, 1, 4, 2, [](long, long c) { return L"t" + std::to_wstring(c); });
    for (const wchar_t* selection : {L"$A$1:$B$4", L"$A:$B"}) {
        Excel().ClearLog();
        DuplicatesResult result = Run(static_cast<DupAction>(7), {0, 1}, selection);
        EXPECT_EQ(result.duplicatesFound, 3) << selection;
        EXPECT_EQ(result.rowsActedOn, 0) << selection;
        EXPECT_EQ(ValuePuts() + Excel().Log().Count(L"Range.Select"), 0u) << selection;
    }
}

}  // namespace
