// Where Merge Cell Text puts the joined text, and how the cells group into joined texts.
#pragma once

namespace merge {

// The numbers are the ones the option pages pass.
enum class MergeTarget {
    LeftCells = 0,
    RightCells = 1,
    TopLeftCell = 2,
    TopRightCell = 3,
    BottomLeftCell = 4,
    BottomRightCell = 5,
    TopCells = 6,
    BottomCells = 7,
};

enum class Grouping { RowByRow, ColumnByColumn, InOneCell };

constexpr Grouping GroupingOf(MergeTarget target) {
    switch (target) {
    case MergeTarget::LeftCells:
    case MergeTarget::RightCells: return Grouping::RowByRow;
    case MergeTarget::TopCells:
    case MergeTarget::BottomCells: return Grouping::ColumnByColumn;
    default: return Grouping::InOneCell;
    }
}

}  // namespace merge
