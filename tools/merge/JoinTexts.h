// The joining rules of Merge Cell Text, on texts alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tools/common/TextStaysText.h"
#include "tools/merge/MergeTarget.h"

namespace merge {

using ::kCellTextLimit;

enum class JoinRule {
    // Row by row and in one cell: the non-empty texts with the separator between them, never at either end;
    // a group of empty texts joins into an empty text.
    BetweenNonEmpty,
    // Column by column: the first text as it is, even empty, then every later non-empty text with the
    // separator in front. A column whose first text is empty therefore begins with the separator.
    FromFirst,
};

constexpr JoinRule JoinRuleOf(Grouping grouping) {
    return grouping == Grouping::ColumnByColumn ? JoinRule::FromFirst : JoinRule::BetweenNonEmpty;
}

// The texts of one group joined as they come, in the group's order. A cell's text ends at its first NUL. A
// joined text longer than a cell can hold is not kept: only that it is too long, so that memory stays small
// whatever the size of the group.
class JoinedText {
public:
    // The separator is put in as it is (no trimming, no added spaces) and must outlive this.
    JoinedText(JoinRule rule, std::wstring_view separator) noexcept : m_rule(rule), m_separator(separator) {}

    void Add(std::wstring_view text);

    bool TooLong() const noexcept { return m_tooLong; }
    // Empty once too long.
    const std::wstring& Text() const noexcept { return m_text; }
    std::size_t Bytes() const noexcept { return m_text.capacity() * sizeof(wchar_t); }
    // Hands the text over, leaving this empty.
    std::wstring Take() noexcept { return std::move(m_text); }

private:
    void Append(std::wstring_view separator, std::wstring_view text);

    JoinRule m_rule;
    std::wstring_view m_separator;
    std::wstring m_text;
    bool m_first = true;
    bool m_tooLong = false;
};

// True when every group of the grouping is one cell (one column joined row by row, one row joined column
// by column): each joined text is then the cell's own displayed text.
bool GroupsAreSingleCells(Grouping grouping, long rows, long columns);

}  // namespace merge
