// For Each's way through a range's cells: Range._NewEnum's enumerator, which hands over many cells' Range
// objects in one call, in For Each's order (area by area, left to right then down; top to bottom in a column).
//
//   sheet::RangeCells cells(column);            // one call
//   std::vector<sheet::Range> some;
//   cells.Skip(10);                             // one call, no objects
//   cells.Next(512, some);                      // one call, up to 512 cells
#pragma once

#include <vector>

#include "framework/ComPtr.h"
#include "sheet/Range.h"

namespace sheet {

class RangeCells {
public:
    explicit RangeCells(const Range& range);

    // Up to `count` further cells into `into` (emptied first); fewer only past the last cell.
    void Next(unsigned long count, std::vector<Range>& into);
    // Passes over up to `count` cells without their objects.
    void Skip(unsigned long count);

private:
    framework::ComPtr<IEnumVARIANT> m_cells;
};

}  // namespace sheet
