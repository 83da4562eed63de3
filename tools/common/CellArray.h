// The cells of a block as one Range.Value or Range.Formula get gives them: a two-dimensional array from 1,
// rows first, or a plain value for a block of one cell. Cells are addressed from (1, 1) within the block.
#pragma once

#include <cstddef>
#include <string_view>

#include "sheet/Variant.h"

namespace blocks {

class CellArray {
public:
    CellArray() noexcept = default;
    // Takes what Excel gave for a block of rows × columns; an answer of any other shape fails with a
    // sheet::CAutomationError naming the member, rather than being read as cells it does not hold.
    CellArray(sheet::Variant value, long rows, long columns, const wchar_t* member);
    CellArray(CellArray&& other) noexcept;
    CellArray& operator=(CellArray&& other) noexcept;
    CellArray(const CellArray&) = delete;
    CellArray& operator=(const CellArray&) = delete;
    ~CellArray();

    bool IsRead() const noexcept { return m_rows > 0; }
    long Rows() const noexcept { return m_rows; }
    long Columns() const noexcept { return m_columns; }

    // An empty VARIANT outside the block or when nothing was read.
    const VARIANT& At(long row, long column) const noexcept;
    // The memory the cells take: their VARIANTs and the characters of their texts.
    std::size_t Bytes() const noexcept;

private:
    void Unlock() noexcept;

    sheet::Variant m_value;
    const VARIANT* m_cells = nullptr;  // the array's data, locked while this holds it
    long m_rows = 0;
    long m_columns = 0;
};

// The text of a VT_BSTR cell (an empty text for a null string).
std::wstring_view TextOf(const VARIANT& cell) noexcept;

}  // namespace blocks
