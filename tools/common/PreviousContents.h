// What the changed cells of a block hold before they are written, for the run's record. Mostly what the tool's
// own read of the block gave. Where that does not tell: one HasFormula of a block the tool did not map, one
// Range.Formula of a block that holds formulas whose texts the tool did not read, one Range.Value2 of a block
// where currency amounts change (Value gives them to four decimals only). A text beginning with "=" that may
// be a formula's result costs one HasFormula of its own.
#pragma once

#include <vector>

#include "tools/common/BlockChanges.h"
#include "tools/common/BlockReader.h"
#include "tools/common/CellContent.h"

namespace blocks {

class PreviousContents {
public:
    PreviousContents(const Block& block, const BlockChanges& changes);

    // Row and column from 1 within the block; an empty content for a cell that does not change.
    const CellContent& At(long row, long column) const;

private:
    size_t Index(long row, long column) const;

    long m_columns;
    std::vector<CellContent> m_contents;
};

}  // namespace blocks
