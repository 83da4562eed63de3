// Writing a block's changes back: which rectangles are written, with how many puts, and what Excel's
// refusals cost.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/cleanup/EngineTest.h"
#include "tools/common/BlockChanges.h"
#include "tools/common/BlockWriter.h"

namespace {

using blocks::BlockChanges;
using blocks::BlockRect;
using blocks::ChangedRectangles;

// A pattern of changed cells: one string a row, 'x' changed, '.' not.
BlockChanges ChangesOf(const std::vector<std::string>& pattern) {
    BlockChanges changes(static_cast<long>(pattern.size()), static_cast<long>(pattern.front().size()));
    for (long r = 1; r <= changes.Rows(); ++r)
        for (long c = 1; c <= changes.Columns(); ++c)
            if (pattern[r - 1][c - 1] == 'x') changes.Set(r, c, sheet::Variant::Long(r * 100 + c));
    return changes;
}

TEST(ChangedRectangles, runs_of_a_row_grow_down_while_the_rows_below_change_in_the_same_columns) {
    struct Case {
        std::vector<std::string> pattern;
        std::vector<BlockRect> expected;
    };
    const Case cases[] = {
        {{"xxxx", "xxxx", "xxxx"}, {{1, 1, 3, 4}}},
        {{"....", "...."}, {}},
        {{"x.", ".x"}, {{1, 1, 1, 1}, {2, 2, 1, 1}}},
        {{"x", "x", ".", "x", "x"}, {{1, 1, 2, 1}, {4, 1, 2, 1}}},
        {{"xxx", "xxx", "x.."}, {{1, 1, 2, 3}, {3, 1, 1, 1}}},
        {{"xxx", "x.x", "xxx"}, {{1, 1, 1, 3}, {2, 1, 2, 1}, {2, 3, 2, 1}, {3, 2, 1, 1}}},
        {{"xx.xx", "xx.xx"}, {{1, 1, 2, 2}, {1, 4, 2, 2}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ChangedRectangles(ChangesOf(c.pattern)), c.expected) << c.pattern[0];
}

TEST(ChangedRectangles, every_changed_cell_lies_in_exactly_one_rectangle_and_no_other_cell_in_any) {
    std::mt19937 random(13);
    for (int round = 0; round < 200; ++round) {
        long rows = 1 + static_cast<long>(random() % 12);
        long columns = 1 + static_cast<long>(random() % 9);
        unsigned density = 1 + random() % 9;
        std::vector<std::string> pattern(static_cast<size_t>(rows), std::string(static_cast<size_t>(columns), '.'));
        for (auto& row : pattern)
            for (char& cell : row) cell = random() % 10 < density ? 'x' : '.';
        BlockChanges changes = ChangesOf(pattern);
        std::vector<int> cover(static_cast<size_t>(rows * columns), 0);
        for (const BlockRect& rect : ChangedRectangles(changes))
            for (long r = rect.row; r < rect.row + rect.rows; ++r)
                for (long c = rect.column; c < rect.column + rect.columns; ++c) {
                    ASSERT_TRUE(changes.IsChanged(r, c)) << "round " << round;
                    ++cover[static_cast<size_t>((r - 1) * columns + c - 1)];
                }
        for (long r = 1; r <= rows; ++r)
            for (long c = 1; c <= columns; ++c)
                ASSERT_EQ(cover[static_cast<size_t>((r - 1) * columns + c - 1)], changes.IsChanged(r, c) ? 1 : 0)
                    << "round " << round << " cell " << r << "," << c;
    }
}

class BlockWriting : public cwtest::EngineTest {
protected:
    sheet::Range RangeAt(const wchar_t* address) {
        Excel().Select(address);
        return App().Selection().Areas().Item(1);
    }

    // Every cell of the block changes to "new <address>" unless the pattern says '.'.
    BlockChanges NewTexts(long top, long left, const std::vector<std::string>& pattern) {
        BlockChanges changes(static_cast<long>(pattern.size()), static_cast<long>(pattern.front().size()));
        for (long r = 1; r <= changes.Rows(); ++r)
            for (long c = 1; c <= changes.Columns(); ++c)
                if (pattern[r - 1][c - 1] == 'x')
                    changes.Set(r, c, sheet::Variant::String(L"new " + At(top + r - 1, left + c - 1)));
        return changes;
    }
};

TEST_F(BlockWriting, a_block_that_changes_whole_is_one_put_and_unchanged_cells_are_never_written) {
    sheet::Range block = RangeAt(L"$B$2:$D$4");
    Excel().ClearLog();
    EXPECT_EQ(blocks::WriteChanges(block, NewTexts(2, 2, {"xxx", "xxx", "xxx"})), 1);
    EXPECT_EQ(ValuePuts(), 1u);
    EXPECT_EQ(Excel().Log().Total(), 1u);
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"D4"), L"new D4"));

    // A prefixed text, a number under a format and a formatted blank between changes keep all they had.
    Cells().Enter(L"C3", L"'00123");
    Cells().SetNumberFormat(L"B3", L"0.00");
    Cells().SetNumber(L"B3", 1.5);
    Cells().ClearCell(L"D3");
    Cells().SetNumberFormat(L"D3", L"@");
    std::vector<host::Cell> before = {Cells().At(L"B3"), Cells().At(L"C3"), Cells().At(L"D3")};
    Excel().ClearLog();
    EXPECT_EQ(blocks::WriteChanges(block, NewTexts(2, 2, {"xxx", "...", "xxx"})), 2);
    EXPECT_EQ(ValuePuts(), 2u);
    std::vector<host::Cell> after = {Cells().At(L"B3"), Cells().At(L"C3"), Cells().At(L"D3")};
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].value, before[i].value) << i;
        EXPECT_EQ(after[i].prefixed, before[i].prefixed) << i;
        EXPECT_EQ(after[i].numberFormat, before[i].numberFormat) << i;
    }
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"B4"), L"new B4"));

    // Nothing changed: no call at all.
    Excel().ClearLog();
    EXPECT_EQ(blocks::WriteChanges(block, BlockChanges(3, 3)), 0);
    EXPECT_EQ(Excel().Log().Total(), 0u);
}

TEST_F(BlockWriting, a_rectangle_excel_refuses_for_a_merged_area_is_halved_until_its_parts_are_taken) {
    // A7:B7 is merged: the changed top-left A7 with its hidden B7 unchanged cuts it in every rectangle but
    // A7 alone. Every other cell of A1:B16 changes.
    FillText(1, 1, 16, 2, [](long, long) { return L"old"; });
    Cells().ClearCell(L"B7");
    Cells().MergeCells(L"A7:B7");
    std::vector<std::string> pattern(16, "xx");
    pattern[6] = "x.";
    sheet::Range block = RangeAt(L"$A$1:$B$16");
    Excel().ClearLog();
    long puts = blocks::WriteChanges(block, NewTexts(1, 1, pattern));
    for (long r = 1; r <= 16; ++r) {
        EXPECT_TRUE(cwtest::IsText(Cells().At(r, 1), L"new " + At(r, 1))) << r;
        if (r != 7) {
            EXPECT_TRUE(cwtest::IsText(Cells().At(r, 2), L"new " + At(r, 2))) << r;
        }
    }
    EXPECT_TRUE(Cells().At(L"B7").IsEmpty());
    EXPECT_EQ(Cells().MergedAreas().size(), 1u);
    // A1:B6; then A7:A16, A7:A11 and A7:A8 refused, A7, A8, A9:A11 and A12:A16 taken; then B8:B16.
    EXPECT_EQ(puts, 1 + 7 + 1);
    EXPECT_EQ(static_cast<long>(ValuePuts()), puts);
}

TEST_F(BlockWriting, a_refusal_of_every_cell_fails_with_excels_error_after_a_few_halvings_and_changes_nothing) {
    FillText(1, 1, 1000, 3, [](long, long) { return L"old"; });
    Excel().SetProtected(true);
    sheet::Range block = RangeAt(L"$A$1:$C$1000");
    Excel().ClearLog();
    std::wstring failure = FailureOf([&] { blocks::WriteChanges(block, NewTexts(1, 1, std::vector<std::string>(1000, "xxx"))); });
    EXPECT_EQ(failure, L"The cell or chart that you are trying to change is protected and therefore read-only.");
    EXPECT_LE(ValuePuts(), 14u);  // halvings down to one cell, about log2(3000)
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A1"), L"old"));
}

}  // namespace
