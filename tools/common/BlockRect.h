// Where a block lies in its area, and how big blocks may grow. Counting only, no automation calls.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace blocks {

// About a megabyte of VARIANTs per array read: big enough that calls are few, small enough that memory
// stays flat whatever the number of rows.
constexpr long kDefaultBlockCells = 65536;
// What a block's values may hold, texts included: long texts make blocks of fewer cells.
constexpr std::size_t kDefaultBlockBytes = 8u << 20;

// First row and column from 1 within the area, and the block's size.
struct BlockRect {
    long row = 1;
    long column = 1;
    long rows = 0;
    long columns = 0;

    long long Cells() const { return static_cast<long long>(rows) * columns; }
    friend bool operator==(const BlockRect& a, const BlockRect& b) {
        return a.row == b.row && a.column == b.column && a.rows == b.rows && a.columns == b.columns;
    }
};

// The cells two rectangles of one sheet (or of one area) share; nothing when they share none.
std::optional<BlockRect> Overlap(const BlockRect& a, const BlockRect& b);

// True when every cell of `rect` lies in `area`.
bool Inside(const BlockRect& rect, const BlockRect& area);

// Which way a rectangle is cut in two first, while it has more than one row and column; or its columns only.
enum class HalveFirst { Rows, Columns, ColumnsOnly };

// The two halves of a rectangle of more than one cell (of more than one column for ColumnsOnly), the first one
// the top or left half.
std::pair<BlockRect, BlockRect> Halves(const BlockRect& rect, HalveFirst first);

// The halves of a rectangle of `rows` by `columns`, from (1, 1) within it: the rows' halves, or the columns'
// for a single row or when `columnsOnly`. Empty for a rectangle that cannot be halved.
std::vector<BlockRect> Halves(long rows, long columns, bool columnsOnly);

// The caps on one block.
struct BlockCaps {
    long cells = kDefaultBlockCells;
    std::size_t bytes = kDefaultBlockBytes;
};

}  // namespace blocks
