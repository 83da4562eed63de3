#include "tools/common/BlockChanges.h"

#include <cassert>
#include <utility>

namespace blocks {

BlockChanges::BlockChanges(long rows, long columns)
    : m_rows(rows),
      m_columns(columns),
      m_values(static_cast<size_t>(rows) * static_cast<size_t>(columns)),
      m_changed(m_values.size(), false) {}

size_t BlockChanges::Index(long row, long column) const {
    assert(row >= 1 && row <= m_rows && column >= 1 && column <= m_columns);
    return static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns) + static_cast<size_t>(column - 1);
}

void BlockChanges::Set(long row, long column, sheet::Variant value) {
    size_t index = Index(row, column);
    if (!m_changed[index]) ++m_count;
    m_changed[index] = true;
    m_values[index] = std::move(value);
}

bool BlockChanges::IsChanged(long row, long column) const { return m_changed[Index(row, column)]; }

const sheet::Variant& BlockChanges::At(long row, long column) const { return m_values[Index(row, column)]; }

std::vector<BlockRect> ChangedRectangles(const BlockChanges& changes) {
    std::vector<BlockRect> rectangles;
    if (!changes.Any()) return rectangles;
    const long rows = changes.Rows();
    const long columns = changes.Columns();
    std::vector<bool> covered(static_cast<size_t>(rows) * static_cast<size_t>(columns), false);
    auto open = [&](long r, long c) {
        return changes.IsChanged(r, c) &&
               !covered[static_cast<size_t>(r - 1) * static_cast<size_t>(columns) + static_cast<size_t>(c - 1)];
    };
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            if (!open(r, c)) continue;
            long width = 1;
            while (c + width <= columns && open(r, c + width)) ++width;
            long height = 1;
            for (bool whole = true; whole && r + height <= rows;) {
                for (long k = c; k < c + width && whole; ++k) whole = open(r + height, k);
                if (whole) ++height;
            }
            for (long i = r; i < r + height; ++i)
                for (long k = c; k < c + width; ++k)
                    covered[static_cast<size_t>(i - 1) * static_cast<size_t>(columns) + static_cast<size_t>(k - 1)] =
                        true;
            rectangles.push_back({r, c, height, width});
            c += width - 1;
        }
    }
    return rectangles;
}

}  // namespace blocks
