// The Remove Duplicates engine against the stand-in Excel, as the add-in runs it on the working range: what
// each action changes and leaves alone, the calls it makes within the row limit and past it, and failures.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/ExcelError.h"
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
    // Runs on the selection, as the range page leaves it in the working range.
    DuplicatesResult Run(DupAction action, std::vector<UINT> keyColumns, COLORREF color = kRed) {
        sheet::Range work = App().Selection();
        return duplicates::RunRemoveDuplicates(App(), work, keyColumns, action, color);
    }

    // B3:D9 between sentinels in A and E; keyed on B and D, rows 5 and 7 repeat rows 3 and 4.
    void FillList() {
        const wchar_t* const b[] = {L"a", L"b", L"a", L"c", L"b", L"", L""};
        const wchar_t* const c[] = {L"x", L"y", L"z", L"w", L"v", L"q", L"r"};
        const double d[] = {1, 2, 1.0000001, 3, 2, 0, 0};
        for (long r = 3; r <= 9; ++r) {
            size_t i = static_cast<size_t>(r - 3);
            Cells().SetText(At(r, 1), L"left");
            if (*b[i]) Cells().SetText(At(r, 2), b[i]);
            Cells().SetText(At(r, 3), c[i]);
            if (r < 8) Cells().SetNumber(At(r, 4), d[i]);
            Cells().SetText(At(r, 5), L"right");
        }
        Excel().Select(L"$B$3:$D$9");
    }

    // What a row holds in columns A to E, fill included.
    std::vector<std::pair<host::CellValue, std::optional<COLORREF>>> RowOf(long r) {
        std::vector<std::pair<host::CellValue, std::optional<COLORREF>>> row;
        for (long c = 1; c <= 5; ++c) row.emplace_back(Cells().At(r, c).value, Cells().At(r, c).interiorColor);
        return row;
    }

    // Interior colour -1 is no fill.
    void ClearFill(const std::wstring& range) { Cells().SetInteriorColor(range, CLR_INVALID); }

    // The sheet rows Excel's selection covers.
    std::set<long> SelectedRows() {
        std::set<long> rows;
        host::Range selection = Excel().Selection();
        for (const host::Area& area : selection.Areas())
            for (long r = area.top; r <= area.bottom; ++r) rows.insert(r);
        return rows;
    }
};

TEST_F(DuplicatesEngine, each_action_takes_exactly_the_later_rows_of_a_key_within_the_range) {
    for (DupAction action : kActions) {
        FillList();
        std::vector<decltype(RowOf(0))> before;
        for (long r = 3; r <= 9; ++r) before.push_back(RowOf(r));
        DuplicatesResult result = Run(action, {0, 2});
        EXPECT_EQ(result.rowsExamined, 7);
        EXPECT_EQ(result.duplicatesFound, 2);
        EXPECT_EQ(result.rowsActedOn, 2);
        for (long r : {3L, 4L, 6L, 8L, 9L}) EXPECT_EQ(RowOf(r), before[static_cast<size_t>(r - 3)]) << "row " << r;
        for (long r = 3; r <= 9; ++r) {
            EXPECT_TRUE(IsText(Cells().At(r, 1), L"left")) << "outside the range, row " << r;
            EXPECT_TRUE(IsText(Cells().At(r, 5), L"right")) << "outside the range, row " << r;
            EXPECT_FALSE(Cells().At(r, 1).interiorColor) << "outside the range, row " << r;
            EXPECT_FALSE(Cells().At(r, 5).interiorColor) << "outside the range, row " << r;
        }
        switch (action) {
        case DupAction::Select:
            EXPECT_EQ(Excel().SelectionAddress(), L"$B$5:$D$5,$B$7:$D$7");
            break;
        case DupAction::Color:
            for (long r : {5L, 7L})
                for (long c = 2; c <= 4; ++c) EXPECT_EQ(Cells().At(r, c).interiorColor, kRed) << At(r, c);
            break;
        default:
            // The unticked column and the key cell holding a number are emptied like the rest of the row.
            for (long r : {5L, 7L})
                for (long c = 2; c <= 4; ++c) EXPECT_TRUE(Cells().At(r, c).IsEmpty()) << At(r, c);
            break;
        }
        ClearFill(L"A1:E9");
    }
}

TEST_F(DuplicatesEngine, within_the_limit_each_row_costs_one_item_and_one_read_and_each_duplicate_one_or_two_calls) {
    struct Case {
        DupAction action;
        size_t unions, selects, interiors, colorPuts, valuePuts;
    } cases[] = {
        {DupAction::Select, 1, 1, 0, 0, 0},
        {DupAction::Color, 0, 0, 2, 2, 0},
        {DupAction::Delete, 0, 0, 0, 0, 2},
    };
    for (const Case& c : cases) {
        FillList();
        Excel().ClearLog();
        Run(c.action, {0, 2});
        EXPECT_EQ(Gets(L"Range.Item"), 7u);
        EXPECT_EQ(Gets(L"Range.Value"), 7u);
        EXPECT_EQ(Gets(L"Range.Text"), 0u);
        EXPECT_EQ(Excel().Log().Count(L"Application.Union"), c.unions);
        EXPECT_EQ(Excel().Log().Count(L"Range.Select"), c.selects);
        EXPECT_EQ(Gets(L"Range.Interior"), c.interiors);
        EXPECT_EQ(Excel().Log().Count(L"Interior.Color", host::Kind::Put), c.colorPuts);
        EXPECT_EQ(ValuePuts(), c.valuePuts);
    }
}

TEST_F(DuplicatesEngine, delete_never_empties_a_row_that_differs_from_every_earlier_row_in_a_ticked_column) {
    struct Row {
        const wchar_t* first;
        const wchar_t* second;
    } rows[] = {{L"ab", L"c"}, {L"a", L"bc"}, {L"x", nullptr}, {nullptr, L"x"}};
    long r = 1;
    for (const Row& row : rows) {
        if (row.first) Cells().SetText(At(r, 1), row.first);
        if (row.second) Cells().SetText(At(r, 2), row.second);
        ++r;
    }
    Cells().SetDate(L"A5", 2024, 1, 1);
    Cells().SetText(L"B5", L"d");
    Cells().SetDate(L"A6", 2024, 1, 2);
    Cells().SetText(L"B6", L"d");
    Cells().SetBoolean(L"A7", true);
    Cells().SetText(L"B7", L"t");
    Cells().SetText(L"A8", L"TRUE");
    Cells().SetText(L"B8", L"t");
    Cells().SetError(L"A9", host::xl::ErrNA);
    Cells().SetBoolean(L"A10", false);
    Cells().SetCurrency(L"A11", 12.5);
    Cells().SetCurrency(L"A12", 12.51);
    Cells().SetDate(L"A13", 2024, 1, 2);
    Cells().SetText(L"B13", L"d");
    Excel().Select(L"$A$1:$B$13");
    DuplicatesResult result = Run(DupAction::Delete, {0, 1});
    EXPECT_EQ(result.duplicatesFound, 1) << "only row 13 repeats a row (6)";
    for (long row = 1; row <= 12; ++row)
        EXPECT_FALSE(Cells().At(row, 1).IsEmpty() && Cells().At(row, 2).IsEmpty()) << "row " << row;
    EXPECT_TRUE(Cells().At(13, 1).IsEmpty());
    EXPECT_TRUE(Cells().At(13, 2).IsEmpty());
}

TEST_F(DuplicatesEngine, one_column_keys_on_the_displayed_text_and_on_the_value_where_that_shows_only_number_signs) {
    // Column B is too narrow for nine digits: Excel shows each of those numbers as '#' signs.
    Cells().SetColumnWidth(2, 4);
    Cells().SetNumber(L"B1", 123456789);
    Cells().SetNumber(L"B2", 987654321);
    Cells().SetNumber(L"B3", 123456789);
    // Under "0", 1.2 and 1.4 both show 1; 5 under "0" and under "0.00" show different texts.
    Cells().SetNumber(L"B4", 1.2);
    Cells().SetNumber(L"B5", 1.4);
    Cells().SetNumberFormat(L"B4:B5", L"0");
    Cells().SetNumber(L"B6", 5);
    Cells().SetNumberFormat(L"B6", L"0");
    Cells().SetNumber(L"B7", 5);
    Cells().SetNumberFormat(L"B7", L"0.00");
    ASSERT_EQ(Cells().DisplayText(1, 2), Cells().DisplayText(2, 2));
    for (const wchar_t* selection : {L"$B$1:$B$7", L"$B:$B"}) {
        ClearFill(L"B1:B7");
        Excel().Select(selection);
        Run(DupAction::Color, {0});
        const bool coloured[] = {false, false, true, false, true, false, false};
        for (long r = 1; r <= 7; ++r)
            EXPECT_EQ(Cells().At(r, 2).interiorColor.has_value(), coloured[r - 1]) << selection << " row " << r;
    }
}

TEST_F(DuplicatesEngine, one_cell_changes_nothing_one_row_has_no_duplicates_and_1000_rows_are_scanned_row_by_row) {
    Cells().SetText(L"A1", L"same");
    Cells().SetText(L"B1", L"same");
    Excel().Select(L"$A$1");
    EXPECT_EQ(Run(DupAction::Delete, {0}).rowsExamined, 0);
    Excel().Select(L"$A$1:$B$1");
    EXPECT_EQ(Run(DupAction::Delete, {0, 1}).duplicatesFound, 0);
    EXPECT_EQ(ValuePuts(), 0u);

    for (long rows : {1000L, 1001L}) {
        FillText(1, 1, rows, 1, [](long r, long) { return L"row " + std::to_wstring(r); });
        Cells().SetText(At(rows, 1), L"row 1");
        Excel().Select(L"$A$1:$A$" + std::to_wstring(rows));
        Excel().ClearLog();
        DuplicatesResult result = Run(DupAction::Delete, {0});
        EXPECT_EQ(result.rowsExamined, rows);
        EXPECT_EQ(result.duplicatesFound, 1) << rows << " rows";
        EXPECT_TRUE(Cells().At(rows, 1).IsEmpty()) << rows << " rows";
        EXPECT_EQ(Gets(L"Range.Item"), rows == 1000 ? 1000u : 0u) << "row by row within the limit only";
    }
}

TEST_F(DuplicatesEngine, past_the_limit_whole_columns_give_what_rows_give_in_a_few_calls) {
    // Row r repeats row r - 7 in A and C for every r divisible by 3 past 7; B always differs.
    const long used = 3000;
    std::set<long> duplicates;
    for (long r = 1; r <= used; ++r) {
        long k = r % 3 == 0 && r > 7 ? r - 7 : r;
        if (k != r) duplicates.insert(r);
        Cells().SetText(At(r, 1), L"id " + std::to_wstring(k));
        Cells().SetText(At(r, 2), L"other " + std::to_wstring(r));
        Cells().SetNumber(At(r, 3), k * 0.5);
    }
    for (DupAction action : kActions) {
        Excel().Select(L"$A:$C");
        Excel().ClearLog();
        DuplicatesResult result = Run(action, {0, 2});
        EXPECT_EQ(result.rowsExamined, used);
        EXPECT_EQ(result.duplicatesFound, static_cast<long>(duplicates.size()));
        EXPECT_EQ(result.rowsActedOn, static_cast<long>(duplicates.size()));
        EXPECT_LT(Excel().Log().Total(), used * 3 / 20) << "well under 0.05 calls a cell";
        EXPECT_EQ(Gets(L"Range.Item"), 0u) << "no row by row";
        EXPECT_EQ(Gets(L"Range.Text"), 0u);
        std::set<long> acted;
        for (long r = 1; r <= used; ++r) {
            bool hit = action == DupAction::Color ? Cells().At(r, 2).interiorColor == kRed
                                                  : action == DupAction::Delete && Cells().At(r, 2).IsEmpty();
            if (hit) acted.insert(r);
        }
        if (action == DupAction::Select) acted = SelectedRows();
        EXPECT_EQ(acted, duplicates);
    }
}

TEST_F(DuplicatesEngine, past_the_limit_ticked_columns_keep_meaning_the_same_sheet_columns) {
    // The selection starts at A; the used range at C. Offset 3 is column D, offsets 2 and 4 are C and E.
    for (long r = 1; r <= 1500; ++r) {
        Cells().SetText(At(r, 3), L"c" + std::to_wstring(r % 2));
        Cells().SetText(At(r, 4), L"d" + std::to_wstring(r % 10));
        Cells().SetText(At(r, 5), L"e" + std::to_wstring(r % 4));
    }
    struct Case {
        std::vector<UINT> offsets;
        long found;
    } cases[] = {{{3}, 1490}, {{2, 4}, 1496}, {{0, 1}, 0}, {{5, 7}, 0}};
    for (const Case& c : cases) {
        Excel().Select(L"$A:$E");
        EXPECT_EQ(Run(DupAction::Select, c.offsets).duplicatesFound, c.found);
    }
}

TEST_F(DuplicatesEngine, many_runs_are_acted_on_in_references_that_excel_accepts) {
    // Every other row repeats the first: thousands of runs of one row, far beyond 255 characters.
    for (long r = 1; r <= 5000; ++r) Cells().SetText(At(r, 1), r % 2 ? L"same" : L"row " + std::to_wstring(r));
    Excel().Select(L"$A:$A");
    EXPECT_EQ(Run(DupAction::Select, {0}).rowsActedOn, 2499);
    EXPECT_EQ(SelectedRows().size(), 2499u);
    EXPECT_EQ(Excel().Selection().Areas().size(), 2499u);
    Excel().Select(L"$A:$A");
    EXPECT_EQ(Run(DupAction::Delete, {0}).rowsActedOn, 2499);
    EXPECT_EQ(Cells().ContentCount(), 2501u);
}

TEST_F(DuplicatesEngine, a_failure_stops_the_run_and_keeps_the_rows_changed_before_it) {
    // Row 5 holds part of a merged area: Excel refuses to empty it.
    Cells().MergeCells(L"B5:C5");
    for (const wchar_t* selection : {L"$A$1:$B$6", L"$A:$B"}) {
        FillText(1, 1, 6, 1, [](long, long) { return std::wstring(L"same"); });
        Excel().Select(selection);
        EXPECT_EQ(FailureOf([&] { Run(DupAction::Delete, {0}); }), host::message::MergedPart) << selection;
        // Row by row, rows 2 to 4 are emptied before row 5 fails; past the limit rows 2 to 6 are one write.
        bool inBlocks = std::wstring(selection) == L"$A:$B";
        EXPECT_EQ(Cells().At(2, 1).IsEmpty(), !inBlocks) << selection;
        EXPECT_EQ(Cells().At(4, 1).IsEmpty(), !inBlocks) << selection;
        EXPECT_TRUE(IsText(Cells().At(5, 1), L"same")) << selection;
        EXPECT_TRUE(IsText(Cells().At(6, 1), L"same")) << selection;
    }
    Cells().ClearCell(L"A1:A6");
    Cells().SetText(L"A1", L"same");
    Cells().SetText(L"A2", L"same");
    Excel().Select(L"$A$1:$A$2");
    Excel().SetProtected(true);
    EXPECT_EQ(FailureOf([&] { Run(DupAction::Delete, {0}); }), host::message::Protected);
    EXPECT_EQ(FailureOf([&] { Run(DupAction::Color, {0}); }), L"Unable to set the Color property of the Interior class");
    EXPECT_EQ(FailureOf([&] { Run(DupAction::Select, {0}); }), L"") << "selecting changes nothing";
}

TEST_F(DuplicatesEngine, a_chart_selected_instead_of_cells_is_told_as_such) {
    Excel().SelectChart();
    EXPECT_EQ(FailureOf([&] { Run(DupAction::Delete, {0}); }), sheet::kSelectionIsNotCells);
}

TEST_F(DuplicatesEngine, a_second_delete_finds_no_duplicates_and_an_unknown_action_changes_nothing) {
    FillText(1, 1, 4, 2, [](long, long c) { return L"t" + std::to_wstring(c); });
    Excel().Select(L"$A$1:$B$4");
    EXPECT_EQ(Run(DupAction::Delete, {0, 1}).duplicatesFound, 3);
    EXPECT_EQ(Run(DupAction::Delete, {0, 1}).duplicatesFound, 0);

    FillText(1, 1, 4, 2, [](long, long c) { return L"t" + std::to_wstring(c); });
    for (const wchar_t* selection : {L"$A$1:$B$4", L"$A:$B"}) {
        Excel().Select(selection);
        Excel().ClearLog();
        DuplicatesResult result = Run(static_cast<DupAction>(7), {0, 1});
        EXPECT_EQ(result.duplicatesFound, 3) << selection;
        EXPECT_EQ(result.rowsActedOn, 0) << selection;
        EXPECT_EQ(ValuePuts(), 0u) << selection;
        EXPECT_EQ(Excel().Log().Count(L"Range.Select"), 0u) << selection;
    }
}

}  // namespace
