// How a rectangle of cells is cut into blocks: bands of whole rows, cut across as well when one row alone
// holds more cells than a block may. Counting only, no automation calls.
#pragma once

namespace blocks {

// About a megabyte of VARIANTs per array read: big enough that calls are few, small enough that memory
// stays flat whatever the number of rows.
constexpr long kDefaultBlockCells = 65536;

// Where a block lies in its area: first row and column from 1, and its size.
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

class BlockGrid {
public:
    // An area of rows × columns cut into blocks of at most maxCells cells; with rowsPerBlock above 0 every
    // band is that many rows tall whatever its width (so that reads of different columns line up).
    BlockGrid(long rows, long columns, long maxCells = kDefaultBlockCells, long rowsPerBlock = 0);

    long BlockColumns() const { return m_blockColumns; }
    long Count() const;

    // The first block, then each next one band by band, left to right within a band; false after the last.
    bool Next(BlockRect& block) const;

private:
    long m_rows;
    long m_columns;
    long m_bandRows;
    long m_blockColumns;
};

}  // namespace blocks
