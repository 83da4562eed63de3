// Every change Merge Cell Text makes to cells beside their values passes through here: merged areas, wrap,
// alignments and column widths. Each step takes ranges of one area or of many (one multi-area reference
// covers many rows or columns), and costs one call per range.
#pragma once

#include <vector>

#include "sheet/Range.h"
#include "sheet/Variant.h"

namespace merge {

using Ranges = std::vector<sheet::Range>;

constexpr long xlLeft = -4131;
constexpr long xlRight = -4152;
constexpr long xlTop = -4160;
constexpr long xlBottom = -4107;

void Unmerge(const Ranges& ranges);
// Across merges every row of each area into a cell of its own; otherwise each area becomes one cell.
void MergeEach(const Ranges& ranges, bool across);
void WrapText(const Ranges& ranges);
void AlignHorizontally(const Ranges& ranges, long alignment);
void AlignVertically(const Ranges& ranges, long alignment);

// The widths of some columns, to be given back after a merge.
class ColumnWidths {
public:
    // `columns`: ranges of neighbouring columns. One EntireColumn and one ColumnWidth get a range, and where
    // its columns differ in width, the same for each column.
    static ColumnWidths Keep(const Ranges& columns);
    // One ColumnWidth put for each width kept.
    void GiveBack() const;

private:
    struct Kept {
        sheet::Range entireColumns;
        sheet::Variant width;
    };
    std::vector<Kept> m_kept;
};

}  // namespace merge
