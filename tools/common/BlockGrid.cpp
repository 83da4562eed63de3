#include "tools/common/BlockGrid.h"

#include <algorithm>

namespace blocks {

BlockGrid::BlockGrid(long rows, long columns, long maxCells, long rowsPerBlock)
    : m_rows(std::max(0L, rows)), m_columns(std::max(0L, columns)) {
    maxCells = std::max(1L, maxCells);
    m_blockColumns = std::max(1L, std::min(m_columns, maxCells));
    m_bandRows = rowsPerBlock > 0 ? rowsPerBlock : std::max(1L, maxCells / m_blockColumns);
    m_bandRows = std::max(1L, std::min(m_bandRows, std::max(1L, m_rows)));
}

long BlockGrid::Count() const {
    if (m_rows == 0 || m_columns == 0) return 0;
    long bands = (m_rows + m_bandRows - 1) / m_bandRows;
    long across = (m_columns + m_blockColumns - 1) / m_blockColumns;
    return bands * across;
}

bool BlockGrid::Next(BlockRect& block) const {
    if (m_rows == 0 || m_columns == 0) return false;
    if (block.rows == 0) {
        block = {1, 1, 0, 0};
    } else if (block.column + block.columns <= m_columns) {
        block.column += block.columns;
    } else if (block.row + block.rows <= m_rows) {
        block.row += block.rows;
        block.column = 1;
    } else {
        return false;
    }
    block.rows = std::min(m_bandRows, m_rows - block.row + 1);
    block.columns = std::min(m_blockColumns, m_columns - block.column + 1);
    return true;
}

}  // namespace blocks
