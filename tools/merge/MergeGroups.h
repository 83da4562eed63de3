// Merge Cell Text over one rectangular area of two cells or more, for each grouping: read band by band,
// joined in memory, written band by band (for columns, strip by strip). A joined text is always written before
// the cells it came from are emptied, and a merge only ever meets a value in its top-left cell. A group whose
// joined text would be too long for a cell stops the run there: the groups before it are written, the area
// after it is left as it was. Each gives false when progress asked to stop (after a band is written; while
// the texts of columns or of one cell are read, before any of them is written).
#pragma once

#include "tools/common/PlacedRectangles.h"
#include "tools/merge/MergeRun.h"

namespace merge {

// Columns are joined a strip at a time: their texts grow until the last row is read, so a strip holds at most
// this many of them (some 16 MB even when each nears a cell's limit).
constexpr long kStripColumns = 256;

// Row by row (band by band) or column by column (strip by strip): `grouping` is one of the two.
bool MergeLines(const blocks::PlacedBlock& area, MergeRun& run, Grouping grouping);
bool MergeInOneCell(const blocks::PlacedBlock& area, MergeRun& run);

}  // namespace merge
