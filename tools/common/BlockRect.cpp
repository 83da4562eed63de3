#include "tools/common/BlockRect.h"

#include <algorithm>

namespace blocks {

std::optional<BlockRect> Overlap(const BlockRect& a, const BlockRect& b) {
    const long top = std::max(a.row, b.row), left = std::max(a.column, b.column);
    const long bottom = std::min(a.row + a.rows, b.row + b.rows);
    const long right = std::min(a.column + a.columns, b.column + b.columns);
    if (top >= bottom || left >= right) return std::nullopt;
    return BlockRect{top, left, bottom - top, right - left};
}

bool Inside(const BlockRect& rect, const BlockRect& area) {
    return rect.row >= area.row && rect.column >= area.column && rect.row + rect.rows <= area.row + area.rows &&
           rect.column + rect.columns <= area.column + area.columns;
}

std::pair<BlockRect, BlockRect> Halves(const BlockRect& rect, HalveFirst first) {
    BlockRect top = rect;
    BlockRect bottom = rect;
    const bool acrossRows =
        first != HalveFirst::ColumnsOnly && rect.rows > 1 && (first == HalveFirst::Rows || rect.columns == 1);
    if (acrossRows) {
        top.rows = rect.rows / 2;
        bottom.row = rect.row + top.rows;
        bottom.rows = rect.rows - top.rows;
    } else {
        top.columns = rect.columns / 2;
        bottom.column = rect.column + top.columns;
        bottom.columns = rect.columns - top.columns;
    }
    return {top, bottom};
}

std::vector<BlockRect> Halves(long rows, long columns, bool columnsOnly) {
    const BlockRect whole{1, 1, rows, columns};
    if (columnsOnly ? columns < 2 : whole.Cells() < 2) return {};
    const auto [first, second] = Halves(whole, columnsOnly ? HalveFirst::ColumnsOnly : HalveFirst::Rows);
    return {first, second};
}

}  // namespace blocks
