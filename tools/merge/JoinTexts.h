// The joining rules of Merge Cell Text, on texts alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/merge/MergeTarget.h"
#include "tools/merge/TextGrid.h"

namespace merge {

// One text per row, top to bottom: the row's non-empty texts with the separator between them (never at
// either end); a row of empty texts gives an empty text.
std::vector<std::wstring> JoinRows(const TextGrid& grid, std::wstring_view separator);

// One text per column, left to right: the row-1 text, even when empty, then every later non-empty text
// with the separator in front. A column whose row-1 text is empty therefore begins with the separator.
std::vector<std::wstring> JoinColumns(const TextGrid& grid, std::wstring_view separator);

// One text: every non-empty text of the grid, row by row, with the separator between them.
std::wstring JoinAll(const TextGrid& grid, std::wstring_view separator);

// The texts of a grouping: one per row, one per column, or one for the whole grid.
std::vector<std::wstring> JoinGroups(const TextGrid& grid, Grouping grouping, std::wstring_view separator);

// True when every group of the grouping is one cell (one column joined row by row, one row joined column
// by column): each joined text is then the cell's own displayed text.
bool GroupsAreSingleCells(Grouping grouping, long rows, long columns);

}  // namespace merge
