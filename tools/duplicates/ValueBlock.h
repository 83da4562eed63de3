// The values of a block of cells as one Range.Value get gives them: a two-dimensional array with lower
// bounds 1, or a scalar for a single cell.
#pragma once

#include "sheet/Variant.h"

namespace duplicates {

class ValueBlock {
public:
    explicit ValueBlock(sheet::Variant values);
    ~ValueBlock();
    ValueBlock(ValueBlock&& other) noexcept;
    ValueBlock(const ValueBlock&) = delete;
    ValueBlock& operator=(const ValueBlock&) = delete;
    ValueBlock& operator=(ValueBlock&&) = delete;

    long Rows() const noexcept { return m_rows; }
    long Columns() const noexcept { return m_columns; }
    // The value at (row, column), both from 1; an empty value outside the block.
    const VARIANT& At(long row, long column) const noexcept;

private:
    sheet::Variant m_values;
    const VARIANT* m_data = nullptr;  // the array's elements, column after column, while accessed
    long m_rows = 1;
    long m_columns = 1;
};

}  // namespace duplicates
