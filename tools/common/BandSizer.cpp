#include "tools/common/BandSizer.h"

#include <algorithm>

namespace blocks {

BandSizer::BandSizer(long columns, BlockCaps caps)
    : m_columns(std::max(1L, columns)),
      m_caps(caps),
      m_cells(std::max<long long>(
          1, std::min<long long>({kFirstCells, caps.cells, static_cast<long long>(caps.bytes / kLongestCellBytes)}))) {}

long BandSizer::NextRows(long rowsLeft) const noexcept {
    const long long rows = std::max(1LL, m_cells / m_columns);
    return static_cast<long>(std::max(1LL, std::min<long long>(rows, rowsLeft)));
}

void BandSizer::Seen(long long cells, std::size_t bytes) noexcept {
    if (cells <= 0) return;
    const double perCell = std::max(1.0, static_cast<double>(bytes) / static_cast<double>(cells));
    const double fitting = static_cast<double>(m_caps.bytes) / perCell;
    long long next = std::min<long long>(cells * 4, m_caps.cells);
    if (fitting < static_cast<double>(next)) next = static_cast<long long>(fitting);
    m_cells = std::max(1LL, next);
}

}  // namespace blocks
