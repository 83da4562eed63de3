// A rectangle of cells on one sheet, 1-based and inclusive, and the sheet's size.
#pragma once

#include <cstdint>
#include <optional>

namespace host {

// The largest sheet of any version (Excel 2007 and later).
constexpr long kMaxRows = 1048576;
constexpr long kMaxColumns = 16384;

// A worksheet's grid: 1,048,576 rows by 16,384 columns from Excel 2007, 65,536 by 256 before.
struct SheetSize {
    long rows = kMaxRows;
    long columns = kMaxColumns;
};

constexpr SheetSize kSheetOfExcel2007{kMaxRows, kMaxColumns};
constexpr SheetSize kSheetOfExcel2003{65536, 256};

struct Area {
    long top = 1;
    long left = 1;
    long bottom = 1;
    long right = 1;

    static Area Cell(long row, long column) { return {row, column, row, column}; }

    long Rows() const { return bottom - top + 1; }
    long Columns() const { return right - left + 1; }
    std::int64_t CellCount() const { return std::int64_t(Rows()) * Columns(); }
    bool IsSingleCell() const { return top == bottom && left == right; }
    static Area Whole(const SheetSize& size) { return {1, 1, size.rows, size.columns}; }

    bool SpansAllRows(const SheetSize& size) const { return top == 1 && bottom == size.rows; }
    bool SpansAllColumns(const SheetSize& size) const { return left == 1 && right == size.columns; }
    bool IsValid(const SheetSize& size) const {
        return top >= 1 && left >= 1 && bottom <= size.rows && right <= size.columns && top <= bottom && left <= right;
    }

    bool Contains(long row, long column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool Contains(const Area& other) const {
        return other.top >= top && other.bottom <= bottom && other.left >= left && other.right <= right;
    }
    bool Intersects(const Area& other) const {
        return other.top <= bottom && other.bottom >= top && other.left <= right && other.right >= left;
    }
    std::optional<Area> Intersection(const Area& other) const;
    // The smallest area holding both.
    Area BoundingBox(const Area& other) const;

    friend bool operator==(const Area& a, const Area& b) {
        return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
    }
    friend bool operator!=(const Area& a, const Area& b) { return !(a == b); }
};

}  // namespace host
