// A rectangle of cells on one sheet, 1-based and inclusive, and the sheet's size.
#pragma once

#include <cstdint>
#include <optional>

namespace host {

constexpr long kMaxRows = 1048576;
constexpr long kMaxColumns = 16384;

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
    bool SpansAllRows() const { return top == 1 && bottom == kMaxRows; }
    bool SpansAllColumns() const { return left == 1 && right == kMaxColumns; }
    bool IsValid() const {
        return top >= 1 && left >= 1 && bottom <= kMaxRows && right <= kMaxColumns && top <= bottom && left <= right;
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
