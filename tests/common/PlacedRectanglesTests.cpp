// Rectangles of a block as A1 references: column letters, areas packed into texts Excel takes, runs of rows
// and columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/common/ClearingRects.h"
#include "tools/common/ColumnLetters.h"
#include "tools/common/PlacedRectangles.h"

namespace {

using blocks::BlockRect;

TEST(ColumnLetters, columns_and_addresses_give_excels_letters) {
    const std::pair<long, const wchar_t*> columns[] = {
        {1, L"A"}, {26, L"Z"}, {27, L"AA"}, {52, L"AZ"}, {702, L"ZZ"}, {703, L"AAA"}, {16384, L"XFD"}};
    for (const auto& [column, letters] : columns) EXPECT_EQ(blocks::ColumnLetters(column), letters);
    EXPECT_EQ(blocks::ColumnLettersOfAddress(L"$AB$7"), L"AB");
    EXPECT_EQ(blocks::ColumnLettersOfAddress(L"$C$5"), L"C");
}

TEST(PlacedRectangles, rectangles_become_references_of_their_own_areas_packed_within_the_length_excel_takes) {
    // A block whose top-left cell is B10.
    const std::vector<BlockRect> rects = {{1, 1, 2, 3}, {4, 1, 1, 1}, {6, 2, 1, 2}};
    EXPECT_EQ(blocks::ReferencesOf(rects, 10, 2), std::vector<std::wstring>{L"B10:D11,B13,C15:D15"});
    EXPECT_EQ(blocks::ReferencesOf(rects, 10, 2, 12), (std::vector<std::wstring>{L"B10:D11,B13", L"C15:D15"}));
    EXPECT_TRUE(blocks::ReferencesOf({}, 1, 1).empty());

    std::vector<BlockRect> many;
    for (long r = 1; r <= 2000; r += 2) many.push_back({r, 1, 1, 16384});
    size_t areas = 0;
    for (const std::wstring& reference : blocks::ReferencesOf(many, 1048000, 1)) {
        EXPECT_LE(reference.size(), blocks::kMaxReference);
        areas += static_cast<size_t>(std::count(reference.begin(), reference.end(), L',')) + 1;
    }
    EXPECT_EQ(areas, many.size());
}

TEST(PlacedRectangles, runs_of_marked_rows_or_columns_span_the_given_width) {
    const std::vector<bool> marked = {true, true, false, true, false, false, true};
    EXPECT_EQ(blocks::RowRuns(marked, 2, 3),
              (std::vector<BlockRect>{{1, 2, 2, 3}, {4, 2, 1, 3}, {7, 2, 1, 3}}));
    EXPECT_EQ(blocks::ColumnRuns(marked, 1, 5),
              (std::vector<BlockRect>{{1, 1, 5, 2}, {1, 4, 5, 1}, {1, 7, 5, 1}}));
    EXPECT_TRUE(blocks::RowRuns(std::vector<bool>(3, false), 1, 1).empty());
}

// Clearing rows 1-4 of columns 2-3: cells outside merged areas, and the areas whose first cell is cleared, whole.
TEST(ClearingRects, a_clearing_takes_a_merged_area_whole_or_leaves_its_hidden_cells) {
    const std::vector<BlockRect> rows1to4 = {{1, 2, 4, 2}};
    const struct {
        const char* name;
        std::vector<BlockRect> merged;
        std::vector<BlockRect> cleared;
    } cases[] = {
        {"inside: as it is", {{1, 2, 2, 1}}, {{1, 2, 4, 2}}},
        {"first cell cleared, reaching below", {{3, 2, 4, 1}}, {{1, 2, 2, 2}, {3, 3, 2, 1}, {3, 2, 4, 1}}},
        {"first cell above, kept", {{0, 3, 2, 1}}, {{2, 2, 3, 2}, {1, 2, 1, 1}}},
        {"first cell in a kept column", {{2, 1, 1, 2}}, {{1, 2, 1, 2}, {3, 2, 2, 2}, {2, 3, 1, 1}}},
    };
    for (const auto& c : cases) EXPECT_EQ(blocks::ClearingMergedAreasWhole(rows1to4, c.merged), c.cleared) << c.name;
}

}  // namespace
