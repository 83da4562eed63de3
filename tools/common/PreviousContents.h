// What the cells of a block hold before they are written, for the run's record: mostly what the block's own
// read gave. Where that does not tell, each is read at most once for the block and only when a cell needs it:
// one HasFormula of a block whose formulas were not mapped, one Range.Formula of a block with formulas whose
// texts were not read, one Range.Value2 where a currency amount changes (Value gives four decimals only).
// A text beginning with "=" that may be a formula's result costs one HasFormula of its own.
#pragma once

#include "tools/common/BlockReader.h"
#include "tools/common/CellContent.h"

namespace blocks {

class PreviousContents {
public:
    explicit PreviousContents(const Block& block) : m_block(block) {}

    // Row and column from 1 within the block.
    bool HoldsFormula(long row, long column);
    CellContent At(long row, long column);

private:
    FormulaPresence Presence();
    const VARIANT& FormulaText(long row, long column);

    const Block& m_block;
    bool m_presenceKnown = false;
    FormulaPresence m_presence = FormulaPresence::None;
    CellArray m_formulas;
    CellArray m_values2;
};

}  // namespace blocks
