// How many rows the next band of blocks takes: as many as the caps on cells and bytes allow at the bytes per
// cell the last band held, read and made of it (texts written back, joined texts). The first band is as small
// as the bytes cap needs were each cell a full-length text read and written back, and each next one at most
// four times the last, so that long texts are met by a small block, and a band of long texts makes the next
// ones smaller at once.
#pragma once

#include <cstddef>

#include "tools/common/BlockRect.h"

namespace blocks {

class BandSizer {
public:
    // The first band's cells at most.
    static constexpr long kFirstCells = 256;
    // What one cell may take at most: a text of a cell's 32,767 characters as read and as written back.
    static constexpr std::size_t kLongestCellBytes = 2 * (32767 * sizeof(wchar_t) + 32);

    // `columns`: the cells of one row of a band (all its blocks together).
    BandSizer(long columns, BlockCaps caps);

    // The rows of the next band, at least 1 and at most rowsLeft.
    long NextRows(long rowsLeft) const noexcept;
    // The band just done: its cells and the bytes its values and what was made of them took.
    void Seen(long long cells, std::size_t bytes) noexcept;

private:
    long m_columns;
    BlockCaps m_caps;
    long long m_cells;  // the next band's cells
};

}  // namespace blocks
