// Merged areas of the user's wherever a band or strip ends, and receiving cells merged with their sources:
// every shape at several sizes runs without "Cannot change part of a merged cell.", joins every group once,
// and leaves no text twice.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/merge/MergeEngineTest.h"

namespace {

using merge::MergeTarget;
using MergedEdges = cwtest::MergeEngineTest;

struct EdgeShape {
    const wchar_t* name;
    MergeTarget target;
    bool mergeCells;
    bool clearSources;
    long rows;
    long columns;
    // Fills the cells and merges the user's areas.
    std::function<void(cwtest::MergeEngineTest&, long rows, long columns)> sheet;
    // What a cell holds afterwards, "" for empty.
    std::function<std::wstring(long row, long column, long rows, long columns)> expected;
};

// Column B merged four rows at a time, its label in the top cell; A and C hold a text in every row.
void LabelsMergedByFour(cwtest::MergeEngineTest& t, long rows, long) {
    for (long r = 1; r <= rows; ++r) {
        t.SetAt(r, 1, L"a" + std::to_wstring(r));
        t.SetAt(r, 3, L"c" + std::to_wstring(r));
        if (r % 4 == 1) {
            t.SetAt(r, 2, L"L" + std::to_wstring(r));
            t.MergeAt(r, 2, std::min(rows, r + 3), 2);
        }
    }
}

std::wstring JoinedWithLabel(long r) {
    std::wstring text = L"a" + std::to_wstring(r);
    if (r % 4 == 1) text += L", L" + std::to_wstring(r);
    return text + L", c" + std::to_wstring(r);
}

TEST_F(MergedEdges, no_band_or_strip_edge_cuts_a_merged_area_and_every_text_stands_once) {
    const EdgeShape shapes[] = {
        {L"by row into the left cells, clearing, labels merged by four", MergeTarget::LeftCells, false, true, 0, 3,
         LabelsMergedByFour,
         [](long r, long c, long, long) { return c == 1 ? JoinedWithLabel(r) : std::wstring(); }},
        {L"by row into the left cells, clearing, the last label's merged area reaching past the selection",
         MergeTarget::LeftCells, false, true, 0, 3,
         [](cwtest::MergeEngineTest& t, long rows, long columns) {
             LabelsMergedByFour(t, rows, columns);
             const long last = (rows - 1) / 4 * 4 + 1;
             if (last + 3 > rows) t.MergeAt(last, 2, last + 3, 2);
         },
         [](long r, long c, long, long) { return c == 1 ? JoinedWithLabel(r) : std::wstring(); }},
        {L"by row merged, blank rows merged by four in column B", MergeTarget::LeftCells, true, false, 0, 3,
         [](cwtest::MergeEngineTest& t, long rows, long) {
             for (long r = 1; r <= rows; r += 4) {
                 t.SetAt(r, 1, L"a" + std::to_wstring(r));
                 t.MergeAt(r + 1, 2, std::min(rows, r + 3), 2);
             }
         },
         [](long r, long c, long, long) { return c == 1 && r % 4 == 1 ? L"a" + std::to_wstring(r) : L""; }},
        {L"by column into the top cells, clearing, rows merged across the strip edge", MergeTarget::TopCells, false,
         true, 3, 0,
         [](cwtest::MergeEngineTest& t, long, long columns) {
             for (long c = 1; c <= columns; ++c) t.SetAt(1, c, L"t" + std::to_wstring(c));
             for (long c = 1; c + 3 <= columns; c += 4) {
                 t.SetAt(2, c + 2, L"m" + std::to_wstring(c + 2));
                 t.MergeAt(2, c + 2, 2, c + 5 > columns ? columns : c + 5);
             }
         },
         [](long r, long c, long, long columns) {
             if (r > 1) return std::wstring();
             const bool merged = c >= 3 && (c - 3) % 4 == 0 && c + 1 <= columns;
             return L"t" + std::to_wstring(c) + (merged ? L", m" + std::to_wstring(c) : L"");
         }},
    };
    for (const EdgeShape& shape : shapes) {
        for (long size : {84L, 88L, 90L, 257L, 300L, 505L}) {
            const long rows = shape.rows ? shape.rows : size;
            const long columns = shape.columns ? shape.columns : size;
            if (columns > 300) continue;
            Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
            shape.sheet(*this, rows, columns);
            Excel().Select(L"$A$1:" + At(rows, columns));
            const std::wstring failure =
                FailureOf([&] { Merge(shape.target, shape.mergeCells, shape.clearSources); });
            EXPECT_EQ(failure, L"") << shape.name << ", " << rows << "x" << columns;
            long wrong = 0;
            for (long r = 1; r <= rows; ++r)
                for (long c = 1; c <= columns; ++c)
                    if (Cells().DisplayText(r, c) != shape.expected(r, c, rows, columns) && wrong++ < 3)
                        ADD_FAILURE() << shape.name << ", " << rows << "x" << columns << ": " << At(r, c) << " shows "
                                      << testing::PrintToString(Cells().DisplayText(r, c));
        }
    }
}

struct SourceCase {
    const wchar_t* name;
    MergeTarget target;
    const wchar_t* merged;  // the user's merged area, the receiving cell in it
    std::vector<std::wstring> texts;  // A1:C2 afterwards, row by row
    const wchar_t* mergedAfter;
};

TEST_F(MergedEdges, a_receiving_cell_merged_with_a_source_gets_the_joined_text_and_the_sources_are_emptied) {
    // A1:C2 holds a b c / d e f, with the merged area's hidden cells empty.
    const SourceCase cases[] = {
        {L"into the left cells", MergeTarget::LeftCells, L"A2:B2", {L"a, b, c", L"", L"", L"d, f", L"", L""}, L"$A$2:$B$2"},
        {L"into the right cells", MergeTarget::RightCells, L"B1:C1", {L"", L"a, b", L"", L"", L"", L"d, e, f"}, L"$B$1:$C$1"},
        {L"into the top cells", MergeTarget::TopCells, L"A1:A2", {L"a", L"b, e", L"c, f", L"", L"", L""}, L"$A$1:$A$2"},
        {L"into the top-left cell", MergeTarget::TopLeftCell, L"A1:B1", {L"a, c, d, e, f", L"", L"", L"", L"", L""},
         L"$A$1:$B$1"},
        {L"into the bottom cells", MergeTarget::BottomCells, L"C1:C2", {L"", L"", L"c", L"a, d", L"b, e", L""}, L"$C$1:$C$2"},
    };
    for (const SourceCase& c : cases) {
        Excel().ActiveSheet() = host::Sheet(L"Sheet1", L"Book1");
        Cells().MergeCells(c.merged);
        // A merged area's hidden cells hold nothing.
        const wchar_t* letters[] = {L"a", L"b", L"c", L"d", L"e", L"f"};
        for (long i = 0; i < 6; ++i) {
            const auto area = Cells().MergedAreaAt(i / 3 + 1, i % 3 + 1);
            if (!area || (area->top == i / 3 + 1 && area->left == i % 3 + 1)) SetAt(i / 3 + 1, i % 3 + 1, letters[i]);
        }
        Excel().Select(L"$A$1:$C$2");
        EXPECT_EQ(FailureOf([&] { Merge(c.target, false, true); }), L"") << c.name;
        EXPECT_EQ(Texts(1, 1, 2, 3), c.texts) << c.name;
        EXPECT_EQ(MergedAreas(), c.mergedAfter) << c.name;
    }
}

}  // namespace
