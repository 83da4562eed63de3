// The displayed texts of one rectangular area, row by row.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace merge {

struct TextGrid {
    long rows = 0;
    long columns = 0;
    std::vector<std::wstring> texts;  // rows * columns, row 1 first, each row left to right

    TextGrid() = default;
    TextGrid(long rowCount, long columnCount)
        : rows(rowCount),
          columns(columnCount),
          texts(static_cast<size_t>(rowCount) * static_cast<size_t>(columnCount)) {}

    // From 1, as Excel counts.
    const std::wstring& At(long row, long column) const { return texts[Index(row, column)]; }
    std::wstring& At(long row, long column) { return texts[Index(row, column)]; }

private:
    size_t Index(long row, long column) const {
        return static_cast<size_t>(row - 1) * static_cast<size_t>(columns) + static_cast<size_t>(column - 1);
    }
};

}  // namespace merge
