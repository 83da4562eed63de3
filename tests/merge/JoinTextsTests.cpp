// The joining rules on texts alone: which texts join, where the separator stands, where a join becomes too
// long for a cell, and which groupings have groups of one cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/merge/JoinTexts.h"

namespace {

using merge::Grouping;
using merge::JoinedText;
using merge::JoinRule;
using Texts = std::vector<std::wstring>;

std::wstring Join(JoinRule rule, const wchar_t* separator, const Texts& texts) {
    JoinedText joined(rule, separator);
    for (const std::wstring& text : texts) joined.Add(text);
    return joined.Text();
}

struct JoinCase {
    const char* name;
    Texts texts;  // one group's, in its order
    const wchar_t* separator;
    std::wstring betweenNonEmpty;  // a row, or a whole area
    std::wstring fromFirst;        // a column
};

TEST(JoinTexts, each_rule_joins_the_non_empty_texts_with_the_separator_between_them) {
    const JoinCase cases[] = {
        {"a gap", {L"a", L"", L"b"}, L", ", L"a, b", L"a, b"},
        // Only a column starts from its first text even when it is empty.
        {"an empty first text", {L"", L"a", L"b"}, L", ", L"a, b", L", a, b"},
        {"nothing but empty texts", {L"", L""}, L"-", L"", L""},
        {"an empty separator runs texts together", {L"a", L"b"}, L"", L"ab", L"ab"},
        {"a line feed separator, texts kept as they are", {L" a ", L"b\n", L"", L"d"}, L"\n", L" a \nb\n\nd",
         L" a \nb\n\nd"},
        {"a text ends at its first NUL", {std::wstring(L"a\0hidden", 8), L"b"}, L"-", L"a-b", L"a-b"},
    };
    for (const JoinCase& c : cases) {
        EXPECT_EQ(Join(JoinRule::BetweenNonEmpty, c.separator, c.texts), c.betweenNonEmpty) << c.name;
        EXPECT_EQ(Join(JoinRule::FromFirst, c.separator, c.texts), c.fromFirst) << c.name;
    }
}

TEST(JoinTexts, a_join_past_a_cells_limit_keeps_only_that_it_is_too_long) {
    const std::wstring half(16383, L'x');
    for (JoinRule rule : {JoinRule::BetweenNonEmpty, JoinRule::FromFirst}) {
        JoinedText fits(rule, L"-");
        for (const std::wstring& text : {half, half}) fits.Add(text);
        EXPECT_FALSE(fits.TooLong());
        EXPECT_EQ(fits.Text().size(), merge::kCellTextLimit);

        JoinedText over(rule, L"--");
        for (const std::wstring& text : {half, half, std::wstring(L"more")}) over.Add(text);
        EXPECT_TRUE(over.TooLong());
        EXPECT_EQ(over.Text(), L"");
        EXPECT_LT(over.Bytes(), 64u) << "nothing of the texts is kept";
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
