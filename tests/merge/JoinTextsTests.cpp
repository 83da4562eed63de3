// The joining rules on texts alone: which texts join, where the separator stands, and which groupings have
// groups of one cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/merge/JoinTexts.h"

namespace {

using merge::Grouping;
using merge::TextGrid;
using Texts = std::vector<std::wstring>;

TextGrid Grid(long rows, long columns, const Texts& texts) {
    TextGrid grid(rows, columns);
    grid.texts = texts;
    return grid;
}

struct JoinCase {
    const char* name;
    long rows;
    long columns;
    Texts texts;
    const wchar_t* separator;
    Texts byRow;
    Texts byColumn;
    std::wstring inOneCell;
};

TEST(JoinTexts, each_grouping_joins_the_non_empty_texts_with_the_separator_between_them) {
    const JoinCase cases[] = {
        {"a row with a gap", 1, 3, {L"a", L"", L"b"}, L", ", {L"a, b"}, {L"a", L"", L"b"}, L"a, b"},
        {"a column with a gap", 3, 1, {L"a", L"", L"b"}, L", ", {L"a", L"", L"b"}, {L"a, b"}, L"a, b"},
        // Only Column by Column starts from the row-1 text even when it is empty.
        {"a column with an empty top", 3, 1, {L"", L"a", L"b"}, L", ", {L"", L"a", L"b"}, {L", a, b"}, L"a, b"},
        {"nothing but empty texts", 2, 2, {L"", L"", L"", L""}, L"-", {L"", L""}, {L"", L""}, L""},
        {"an empty separator runs texts together", 2, 2, {L"a", L"b", L"c", L"d"}, L"", {L"ab", L"cd"},
         {L"ac", L"bd"}, L"abcd"},
        {"a line feed separator, texts kept as they are", 2, 2, {L" a ", L"b\n", L"", L"d"}, L"\n",
         {L" a \nb\n", L"d"}, {L" a ", L"b\n\nd"}, L" a \nb\n\nd"},
        {"row-major order", 2, 3, {L"1", L"2", L"3", L"4", L"5", L"6"}, L",", {L"1,2,3", L"4,5,6"},
         {L"1,4", L"2,5", L"3,6"}, L"1,2,3,4,5,6"},
    };
    for (const JoinCase& c : cases) {
        TextGrid grid = Grid(c.rows, c.columns, c.texts);
        EXPECT_EQ(merge::JoinRows(grid, c.separator), c.byRow) << c.name;
        EXPECT_EQ(merge::JoinColumns(grid, c.separator), c.byColumn) << c.name;
        EXPECT_EQ(merge::JoinAll(grid, c.separator), c.inOneCell) << c.name;
        EXPECT_EQ(merge::JoinGroups(grid, Grouping::RowByRow, c.separator), c.byRow) << c.name;
        EXPECT_EQ(merge::JoinGroups(grid, Grouping::ColumnByColumn, c.separator), c.byColumn) << c.name;
        EXPECT_EQ(merge::JoinGroups(grid, Grouping::InOneCell, c.separator), Texts{c.inOneCell}) << c.name;
    }
}

TEST(JoinTexts, groups_are_single_cells_only_along_a_one_cell_side) {
    EXPECT_TRUE(merge::GroupsAreSingleCells(Grouping::RowByRow, 5, 1));
    EXPECT_FALSE(merge::GroupsAreSingleCells(Grouping::RowByRow, 1, 5));
    EXPECT_TRUE(merge::GroupsAreSingleCells(Grouping::ColumnByColumn, 1, 5));
    EXPECT_FALSE(merge::GroupsAreSingleCells(Grouping::ColumnByColumn, 5, 1));
    EXPECT_FALSE(merge::GroupsAreSingleCells(Grouping::InOneCell, 1, 5));
    EXPECT_FALSE(merge::GroupsAreSingleCells(Grouping::InOneCell, 5, 1));
}

TEST(JoinTexts, each_target_belongs_to_its_grouping) {
    using merge::MergeTarget;
    EXPECT_EQ(merge::GroupingOf(MergeTarget::LeftCells), Grouping::RowByRow);
    EXPECT_EQ(merge::GroupingOf(MergeTarget::RightCells), Grouping::RowByRow);
    for (MergeTarget t : {MergeTarget::TopLeftCell, MergeTarget::TopRightCell, MergeTarget::BottomLeftCell,
                          MergeTarget::BottomRightCell})
        EXPECT_EQ(merge::GroupingOf(t), Grouping::InOneCell) << static_cast<int>(t);
    EXPECT_EQ(merge::GroupingOf(MergeTarget::TopCells), Grouping::ColumnByColumn);
    EXPECT_EQ(merge::GroupingOf(MergeTarget::BottomCells), Grouping::ColumnByColumn);
}

}  // namespace
