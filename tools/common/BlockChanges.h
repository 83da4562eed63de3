// New contents for some cells of a block, and the rectangles of changed cells they make.
#pragma once

#include <vector>

#include "sheet/Variant.h"
#include "tools/common/BlockRect.h"

namespace blocks {

class BlockChanges {
public:
    BlockChanges(long rows, long columns);

    long Rows() const noexcept { return m_rows; }
    long Columns() const noexcept { return m_columns; }
    // Row and column from 1 within the block; setting a cell twice keeps the last value.
    void Set(long row, long column, sheet::Variant value);
    bool IsChanged(long row, long column) const;
    const sheet::Variant& At(long row, long column) const;
    bool Any() const noexcept { return m_count > 0; }
    long Count() const noexcept { return m_count; }

private:
    size_t Index(long row, long column) const;

    long m_rows;
    long m_columns;
    long m_count = 0;
    std::vector<sheet::Variant> m_values;
    std::vector<bool> m_changed;
};

// Rectangles of changed cells only that together hold every change, each cell in one: the longest run of
// changed cells in a row, grown down while the rows below change in the same columns. Row by row from the top.
std::vector<BlockRect> ChangedRectangles(const BlockChanges& changes);

}  // namespace blocks
