// Where a block's formulas are, learnt with one HasFormula and, for a block that mixes formulas and
// constants, one Range.Formula, never with a call per cell.
#pragma once

#include "sheet/Variant.h"
#include "tools/common/CellArray.h"

namespace blocks {

// What HasFormula answered for the whole block: False, True, or Null.
enum class FormulaPresence { None, All, Some };

enum class CellFormula {
    No,
    Yes,
    // The block's answers cannot tell: a text that begins with "=" (which may be a formula whose result is
    // its own text, =A2 with A2 holding "=A2"), or a cell Excel answered unexpectedly for. One HasFormula
    // of the cell tells; ask it only where it matters.
    Unsure,
};

class FormulaMap {
public:
    // A block without formulas.
    FormulaMap() noexcept = default;
    // From HasFormula's answer alone: False or True. Any other answer reads as Some, which needs Formula.
    static FormulaPresence PresenceOf(const sheet::Variant& hasFormula) noexcept;
    static FormulaMap Uniform(FormulaPresence presence) noexcept;
    // A mixed block with what Range.Formula gave for it.
    static FormulaMap Mixed(CellArray formulas) noexcept;

    FormulaPresence Presence() const noexcept { return m_presence; }
    std::size_t Bytes() const noexcept { return m_formulas.Bytes(); }
    // `value` is the cell's value from the block's Range.Value.
    CellFormula At(long row, long column, const VARIANT& value) const noexcept;
    // What Range.Formula gave for the cell of a mixed block; empty for any other block.
    const VARIANT& Text(long row, long column) const noexcept { return m_formulas.At(row, column); }

private:
    FormulaPresence m_presence = FormulaPresence::None;
    CellArray m_formulas;
};

}  // namespace blocks
