// The merge engine against the stand-in: the order of Excel calls for every target, what the cells hold
// afterwards, groups of one cell, texts that must stay texts, the size limit and one-cell areas.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/excel/ExcelConstants.h"
#include "tests/merge/MergeEngineTest.h"

namespace {

using cwtest::IsText;
using merge::MergeTarget;
using MergeEngine = cwtest::MergeEngineTest;

// The calls that change cells or formats, one letter each, in order.
const std::map<std::wstring, wchar_t> kWriteLetters = {
    {L"Range.ClearContents call", L'C'},       {L"Range.Value put", L'V'},
    {L"Range.WrapText put", L'W'},             {L"Range.UnMerge call", L'U'},
    {L"Range.Merge call", L'M'},               {L"Range.HorizontalAlignment put", L'H'},
    {L"Range.VerticalAlignment put", L'A'},    {L"Range.ColumnWidth get", L'g'},
    {L"Range.ColumnWidth put", L'p'},
};

struct OrderCase {
    MergeTarget target;
    bool mergeCells;
    bool clearSources;
    const wchar_t* writes;  // one group of letters per row, column or area
};

TEST_F(MergeEngine, every_target_makes_its_calls_in_order_with_and_without_merging) {
    // The block road: one step covers all the rows (or columns) of a band. Both the joined texts and the
    // emptying of their sources are Value puts: the unmerging first, then the texts, a merge only after the
    // emptying.
    const OrderCase cases[] = {
        {MergeTarget::LeftCells, true, false, L"U V W V MH"},
        {MergeTarget::RightCells, true, false, L"U V V MHW"},
        {MergeTarget::TopLeftCell, true, false, L"U V V MWHA"},
        {MergeTarget::TopRightCell, true, false, L"U V V MWHA"},
        {MergeTarget::BottomLeftCell, true, false, L"U V V MWHA"},
        {MergeTarget::BottomRightCell, true, false, L"U V V MWHA"},
        {MergeTarget::TopCells, true, false, L"U V W V gMpA"},
        {MergeTarget::BottomCells, true, false, L"U V W V gMpA"},
        // Clearing counts for nothing more while merging.
        {MergeTarget::LeftCells, true, true, L"U V W V MH"},
        {MergeTarget::LeftCells, false, false, L"V"},
        {MergeTarget::RightCells, false, true, L"V V"},
        {MergeTarget::TopLeftCell, false, false, L"VW"},
        {MergeTarget::BottomRightCell, false, true, L"VW V"},
        {MergeTarget::TopCells, false, false, L"V"},
        {MergeTarget::BottomCells, false, true, L"V V"},
    };
    for (const OrderCase& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        for (const wchar_t* address : {L"A1", L"B1", L"A2", L"B2"}) Cells().SetText(address, address);
        Excel().Select(L"$A$1:$B$2");
        Excel().ClearLog();
        Merge(c.target, c.mergeCells, c.clearSources);

        std::wstring writes;
        for (const std::wstring& call : Excel().Log().Sequence()) {
            auto letter = kWriteLetters.find(call);
            if (letter != kWriteLetters.end()) writes.push_back(letter->second);
        }
        std::wstring expected;
        for (const wchar_t* p = c.writes; *p; ++p)
            if (*p != L' ') expected.push_back(*p);
        EXPECT_EQ(writes, expected) << "target " << static_cast<int>(c.target) << (c.mergeCells ? " merging" : "")
                                    << (c.clearSources ? " clearing" : "");
    }
}

struct ResultCase {
    MergeTarget target;
    bool mergeCells;
    bool clearSources;
    std::vector<std::wstring> texts;  // A1:C2 afterwards, row by row
    const wchar_t* merged;            // the sheet's merged areas
    const wchar_t* target1;           // the (first) target cell
    bool wrap;
    long horizontal;
    long vertical;
};

TEST_F(MergeEngine, every_target_leaves_the_joined_texts_merged_areas_and_formats_it_promises) {
    // The block, row by row: a, (empty), b / c, d, (empty).
    const long general = host::xl::HAlignGeneral;
    const long bottom = host::xl::VAlignBottom;
    const ResultCase cases[] = {
        {MergeTarget::LeftCells, true, false, {L"a, b", L"", L"", L"c, d", L"", L""}, L"$A$1:$C$1,$A$2:$C$2", L"A1",
         true, host::xl::HAlignLeft, bottom},
        {MergeTarget::RightCells, true, false, {L"a, b", L"", L"", L"c, d", L"", L""}, L"$A$1:$C$1,$A$2:$C$2", L"A2",
         true, host::xl::HAlignRight, bottom},
        {MergeTarget::LeftCells, false, false, {L"a, b", L"", L"b", L"c, d", L"d", L""}, L"", L"A1", false, general,
         bottom},
        {MergeTarget::RightCells, false, true, {L"", L"", L"a, b", L"", L"", L"c, d"}, L"", L"C2", false, general,
         bottom},
        {MergeTarget::TopLeftCell, true, false, {L"a, b, c, d", L"", L"", L"", L"", L""}, L"$A$1:$C$2", L"A1", true,
         host::xl::HAlignLeft, host::xl::VAlignTop},
        {MergeTarget::BottomRightCell, true, false, {L"a, b, c, d", L"", L"", L"", L"", L""}, L"$A$1:$C$2", L"A1",
         true, host::xl::HAlignRight, bottom},
        {MergeTarget::TopRightCell, false, false, {L"a", L"", L"a, b, c, d", L"c", L"d", L""}, L"", L"C1", true,
         general, bottom},
        {MergeTarget::BottomLeftCell, false, true, {L"", L"", L"", L"a, b, c, d", L"", L""}, L"", L"A2", true, general,
         bottom},
        // A column whose top cell is empty begins with the separator.
        {MergeTarget::TopCells, true, false, {L"a, c", L", d", L"b", L"", L"", L""}, L"$A$1:$A$2,$B$1:$B$2,$C$1:$C$2",
         L"B1", true, general, host::xl::VAlignTop},
        {MergeTarget::BottomCells, false, true, {L"", L"", L"", L"a, c", L", d", L"b"}, L"", L"B2", false, general,
         bottom},
    };
    for (const ResultCase& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        Cells().SetText(L"A1", L"a");
        Cells().SetText(L"C1", L"b");
        Cells().SetText(L"A2", L"c");
        Cells().SetText(L"B2", L"d");
        for (long column = 1; column <= 3; ++column) Cells().SetColumnWidth(column, 4.0 + column);
        Excel().Select(L"$A$1:$C$2");
        Merge(c.target, c.mergeCells, c.clearSources);

        const std::string name = "target " + std::to_string(static_cast<int>(c.target)) +
                                 (c.mergeCells ? " merging" : "") + (c.clearSources ? " clearing" : "");
        EXPECT_EQ(Texts(1, 1, 2, 3), c.texts) << name;
        EXPECT_EQ(MergedAreas(), c.merged) << name;
        host::Cell target = Cells().At(c.target1);
        EXPECT_EQ(target.wrapText, c.wrap) << name;
        EXPECT_EQ(target.horizontalAlignment, c.horizontal) << name;
        EXPECT_EQ(target.verticalAlignment, c.vertical) << name;
        for (long column = 1; column <= 3; ++column)
            EXPECT_EQ(Cells().ColumnWidth(column), 4.0 + column) << name << ", column " << column;
        // Every merge meets emptied cells: Excel never stops to ask about values it would drop.
        EXPECT_EQ(Cells().MergeQuestions(), 0u) << name;
    }
}

TEST_F(MergeEngine, a_group_of_one_cell_keeps_its_formula_and_number_and_gets_only_its_formats) {
    // One column joined row by row and one row joined column by column: each cell is its own group.
    const struct {
        const wchar_t* selection;
        const wchar_t* formula;
        const wchar_t* number;
        const wchar_t* text;
        MergeTarget target;
    } layouts[] = {{L"$A$1:$A$3", L"A1", L"A2", L"A3", MergeTarget::LeftCells},
                   {L"$A$1:$C$1", L"A1", L"B1", L"C1", MergeTarget::TopCells}};
    for (const auto& layout : layouts) {
        for (bool mergeCells : {false, true}) {
            for (bool clearSources : {false, true}) {
                Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
                Cells().SetFormula(layout.formula, L"=D1*2", host::CellValue::Number(4));
                Cells().SetNumber(layout.number, 1.23456);
                Cells().SetNumberFormat(layout.number, L"0.00");
                Cells().SetText(layout.text, L"x");
                Excel().Select(layout.selection);
                Excel().ClearLog();
                Merge(layout.target, mergeCells, clearSources);

                const std::string name = std::string(mergeCells ? "merging" : "not merging") +
                                         (clearSources ? ", clearing" : "") + " " +
                                         testing::PrintToString(std::wstring(layout.selection));
                EXPECT_EQ(ValuePuts(), 0u) << name;
                EXPECT_EQ(Excel().Log().Count(L"Range.ClearContents"), 0u) << name;
                host::Cell formula = Cells().At(layout.formula);
                EXPECT_TRUE(formula.hasFormula) << name;
                EXPECT_EQ(formula.formula, L"=D1*2") << name;
                EXPECT_EQ(Cells().At(layout.number).value, host::CellValue::Number(1.23456)) << name;
                EXPECT_TRUE(IsText(Cells().At(layout.text), L"x")) << name;
                EXPECT_EQ(Cells().At(layout.text).wrapText, mergeCells) << name;
                EXPECT_EQ(MergedAreas(), L"") << name;
            }
        }
    }
}

TEST_F(MergeEngine, a_joined_text_excel_would_read_as_something_else_stays_exactly_that_text) {
    const struct {
        const wchar_t* left;
        const wchar_t* right;
        const wchar_t* separator;
        const wchar_t* joined;
    } cases[] = {
        {L"2023", L"12", L"-", L"2023-12"},  // a date
        {L"1", L"5", L"", L"15"},           // a number
        {L"=A", L"1", L"", L"=A1"},         // a formula
        {L"TR", L"UE", L"", L"TRUE"},       // a boolean
        {L"12", L"%", L"", L"12%"},         // a percentage
        {L"'quoted", L"x", L" ", L"'quoted x"},
    };
    for (bool mergeCells : {false, true}) {
        for (const auto& c : cases) {
            Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
            Cells().SetText(L"A1", c.left);
            Cells().SetText(L"B1", c.right);
            Excel().Select(L"$A$1:$B$1");
            Merge(MergeTarget::LeftCells, mergeCells, false, c.separator);
            EXPECT_TRUE(IsText(Cells().At(L"A1"), c.joined)) << testing::PrintToString(std::wstring(c.joined));
        }
    }
}

TEST_F(MergeEngine, a_cell_text_ends_at_its_first_nul) {
    Cells().SetText(L"A1", std::wstring(L"a\0hidden", 8));
    Cells().SetText(L"B1", L"b");
    Excel().Select(L"$A$1:$B$1");
    Merge(MergeTarget::RightCells, false, false, L"-");
    EXPECT_TRUE(IsText(Cells().At(L"B1"), L"a-b"));
}

TEST_F(MergeEngine, past_the_row_limit_only_the_selection_inside_the_used_range_is_read_and_written) {
    FillText(1, 1, 3, 2, [](long r, long c) { return At(r, c); });
    Cells().SetText(L"Z5000", L"far away");
    Cells().SetText(L"C2", L"beside");
    Excel().Select(L"$A:$B");
    Excel().ClearLog();
    merge::MergeResult result = Merge(MergeTarget::LeftCells, false);

    EXPECT_EQ(Texts(1, 1, 3, 3), (std::vector<std::wstring>{L"A1, B1", L"B1", L"", L"A2, B2", L"B2", L"beside",
                                                             L"A3, B3", L"B3", L""}));
    EXPECT_TRUE(IsText(Cells().At(L"Z5000"), L"far away"));
    // The rows down to the used range's end cost no writes and no text reads of their own.
    EXPECT_EQ(ValuePuts(), 1u);
    EXPECT_EQ(Gets(L"Range.Text"), 0u);
    EXPECT_EQ(result.cellsWritten, 3);
    EXPECT_EQ(result.areas, 1);
}

TEST_F(MergeEngine, a_selection_of_exactly_a_thousand_rows_is_merged_as_selected) {
    Cells().SetText(L"A1000", L"last");
    Cells().SetText(L"B1000", L"row");
    Cells().SetText(L"A2000", L"outside");
    Excel().Select(L"$A$1:$B$1000");
    Excel().ClearLog();
    Merge(MergeTarget::TopLeftCell, false);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L"last, row"));
    EXPECT_EQ(Gets(L"Application.Intersect"), 0u);
}

TEST_F(MergeEngine, one_cell_areas_of_a_selection_are_not_even_read) {
    FillText(1, 1, 3, 2, [](long r, long c) { return At(r, c); });
    Cells().SetText(L"D4", L"alone");
    Excel().Select(L"$A$1:$B$1,$D$4,$A$3:$B$3");
    Excel().ClearLog();
    merge::MergeResult result = Merge(MergeTarget::RightCells, true);

    EXPECT_EQ(Texts(1, 1, 3, 2), (std::vector<std::wstring>{L"A1, B1", L"", L"A2", L"B2", L"A3, B3", L""}));
    EXPECT_EQ(MergedAreas(), L"$A$1:$B$1,$A$3:$B$3");
    EXPECT_TRUE(IsText(Cells().At(L"D4"), L"alone"));
    EXPECT_EQ(Gets(L"Range.Value"), 2u);
    EXPECT_EQ(result.areas, 2);
    EXPECT_EQ(result.groupsMerged, 2);
    EXPECT_EQ(result.cellsWritten, 2);
}

TEST_F(MergeEngine, a_group_too_long_for_a_cell_stops_the_run_there_with_the_groups_before_it_done) {
    // A1:B3 holds a, b / x, y / c, d; the cells named hold 20,000 characters instead.
    const std::wstring half(20000, L'h');
    const std::wstring end = L" Select fewer cells or a shorter separator and try again.";
    const std::wstring tooLong = L"would be longer than the 32,767 characters a cell can hold.";
    const struct {
        std::vector<const wchar_t*> longCells;
        MergeTarget target;
        bool mergeCells;
        std::wstring failure;
        std::vector<std::wstring> texts;  // A1:B3 afterwards, a long text as "h"
        const wchar_t* merged;
    } cases[] = {
        {{L"A2", L"B2"}, MergeTarget::LeftCells, true,
         L"Merge Cell Text stopped at row 2: its joined text " + tooLong + L" What came before it is done." + end,
         {L"a, b", L"", L"h", L"h", L"c", L"d"}, L"$A$1:$B$1"},
        {{L"B1", L"B3"}, MergeTarget::TopCells, false,
         L"Merge Cell Text stopped at column B: its joined text " + tooLong + L" What came before it is done." + end,
         {L"a, x, c", L"h", L"x", L"y", L"c", L"h"}, L""},
        {{L"A1", L"B3"}, MergeTarget::BottomRightCell, true, L"The joined text " + tooLong + end,
         {L"h", L"b", L"x", L"y", L"c", L"h"}, L""},
    };
    for (const auto& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        const wchar_t* shorts[] = {L"a", L"b", L"x", L"y", L"c", L"d"};
        for (int i = 0; i < 6; ++i) Cells().SetText(At(i / 2 + 1, i % 2 + 1), shorts[i]);
        for (const wchar_t* cell : c.longCells) Cells().SetText(cell, half);
        Excel().Select(L"$A$1:$B$3");
        EXPECT_EQ(FailureOf([&] { Merge(c.target, c.mergeCells); }), c.failure);
        std::vector<std::wstring> texts = Texts(1, 1, 3, 2);
        for (std::wstring& text : texts)
            if (text == half) text = L"h";
        EXPECT_EQ(texts, c.texts) << static_cast<int>(c.target);
        EXPECT_EQ(MergedAreas(), c.merged) << static_cast<int>(c.target);
    }
}

TEST_F(MergeEngine, a_selection_past_what_one_run_can_count_is_refused_before_anything_changes) {
    // The whole sheet selected, the used range reaching the last column: 2^31, 2^32 - 16,384 and 2^32 cells.
    for (const wchar_t* lastCell : {L"XFD131072", L"XFD262143", L"XFD262144"}) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        Cells().SetText(L"A1", L"a");
        Cells().SetText(L"B1", L"b");
        Cells().SetText(lastCell, L"far");
        Excel().Select(L"$1:$1048576");
        Excel().ClearLog();
        const std::wstring failure = FailureOf([&] { Merge(MergeTarget::LeftCells, true); });
        EXPECT_NE(failure.find(L"more than the 2147483647 that Merge Cell Text takes in one run"), std::wstring::npos)
            << testing::PrintToString(failure);
        EXPECT_EQ(ValuePuts(), 0u);
        EXPECT_EQ(Gets(L"Range.Value"), 0u);
        EXPECT_TRUE(IsText(Cells().At(L"B1"), L"b"));
        EXPECT_EQ(MergedAreas(), L"");
    }
}

TEST_F(MergeEngine, calls_stay_a_few_per_band_however_many_rows_and_however_broken_by_blank_rows) {
    // Past the limit, 3,000 rows of A:C: all rows with text, or every third row blank (merged rows come in
    // runs of two, which multi-area references take many at a time).
    for (long blankEvery : {0L, 3L}) {
        for (MergeTarget target : {MergeTarget::LeftCells, MergeTarget::RightCells}) {
            for (bool mergeCells : {false, true}) {
                Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
                for (long r = 1; r <= 3000; ++r)
                    if (!blankEvery || r % blankEvery != 0) FillText(r, 1, r, 3, [](long row, long c) { return At(row, c); });
                Excel().Select(L"$A:$C");
                Excel().ClearLog();
                merge::MergeResult result = Merge(target, mergeCells);

                const std::string name = "target " + std::to_string(static_cast<int>(target)) +
                                         (mergeCells ? " merging" : "") + ", blank every " + std::to_string(blankEvery);
                const long joined = blankEvery ? 2000 : 3000;
                const long usedRows = blankEvery ? 2999 : 3000;
                EXPECT_LE(Excel().Log().Total(), 9000 * 0.05) << name;
                EXPECT_EQ(result.cellsWritten, joined) << name;
                EXPECT_EQ(result.groupsMerged, mergeCells ? (target == MergeTarget::LeftCells ? joined : usedRows) : 0)
                    << name;
                const long row = usedRows;
                const long target1 = mergeCells || target == MergeTarget::LeftCells ? 1 : 3;
                EXPECT_TRUE(IsText(Cells().At(row, target1), At(row, 1) + L", " + At(row, 2) + L", " + At(row, 3)))
                    << name;
                if (mergeCells) {
                    EXPECT_EQ(Cells().MergedAreas().size(), static_cast<size_t>(result.groupsMerged)) << name;
                }
                EXPECT_EQ(Cells().MergeQuestions(), 0u) << name;
            }
        }
    }
}

TEST_F(MergeEngine, merged_cells_already_in_a_band_are_met_without_cutting_them) {
    // Row 2 shows no text and is merged across; A3:A4 is merged down and shows "c".
    Cells().SetText(L"A1", L"a");
    Cells().SetText(L"C1", L"b");
    Cells().MergeCells(L"A2:C2");
    Cells().SetText(L"A3", L"c");
    Cells().MergeCells(L"A3:A4");
    Cells().SetText(L"B4", L"d");
    Cells().SetNumber(L"D1", 1);  // beside the selection: never blank targets written as nothing
    Excel().Select(L"$A$1:$C$4");
    Merge(MergeTarget::LeftCells, true);
    // The empty row keeps its merged cells; the merged-down cell gives way to merged rows.
    EXPECT_EQ(MergedAreas(), L"$A$1:$C$1,$A$2:$C$2,$A$3:$C$3,$A$4:$C$4");
    EXPECT_EQ(Texts(1, 1, 4, 1), (std::vector<std::wstring>{L"a, b", L"", L"c", L"d"}));
    EXPECT_EQ(Cells().MergeQuestions(), 0u);
}

TEST_F(MergeEngine, columns_past_a_strip_are_joined_strip_by_strip) {
    // 300 columns by 2 rows, the whole rows selected: two strips of columns.
    FillText(1, 1, 2, 300, [](long r, long c) { return At(r, c); });
    Excel().Select(L"$1:$2");
    merge::MergeResult result = Merge(MergeTarget::BottomCells, true);
    EXPECT_EQ(result.groupsMerged, 300);
    for (long column : {1L, 256L, 257L, 300L}) {
        EXPECT_TRUE(IsText(Cells().At(1, column), At(1, column) + L", " + At(2, column))) << column;
        EXPECT_EQ(Cells().At(1, column).verticalAlignment, host::xl::VAlignBottom) << column;
    }
    EXPECT_EQ(Cells().MergedAreas().size(), 300u);
}

}  // namespace
