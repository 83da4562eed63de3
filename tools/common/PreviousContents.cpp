#include "tools/common/PreviousContents.h"

namespace blocks {

namespace {

// A cell the block's answers cannot place asks its own HasFormula.
bool CellHoldsFormula(const Block& block, long row, long column) {
    return !block.Range().Item(row, column).HasFormula().IsFalseBool();
}

// Whether a cell of a block that holds some formulas is one: a constant's formula is its own text, and only
// a formula begins with "=" unless it is a text that does (then the cell itself tells).
bool IsFormula(const Block& block, long row, long column, const VARIANT& formula) {
    if (formula.vt != VT_BSTR) return CellHoldsFormula(block, row, column);
    std::wstring_view text = TextOf(formula);
    if (text.empty() || text.front() != L'=') return false;
    const VARIANT& value = block.Value(row, column);
    if (value.vt == VT_BSTR && TextOf(value) == text) return CellHoldsFormula(block, row, column);
    return true;
}

}  // namespace

PreviousContents::PreviousContents(const Block& block, const BlockChanges& changes)
    : m_columns(block.Columns()), m_contents(static_cast<size_t>(block.Rows()) * static_cast<size_t>(block.Columns())) {
    const long rows = block.Rows();
    const long columns = block.Columns();
    // Most blocks hold no formula: a block the tool's read found none in, or did not look at, asks HasFormula
    // once, and only a block that holds some reads its formulas.
    FormulaPresence presence = block.Formulas();
    if (presence == FormulaPresence::None) presence = FormulaMap::PresenceOf(block.Range().HasFormula());
    CellArray formulas;
    if (presence != FormulaPresence::None)
        formulas = CellArray(block.Range().Formula(), rows, columns, L"Range.Formula");

    CellArray values2;
    bool values2Read = false;
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            if (!changes.IsChanged(r, c)) continue;
            CellContent& content = m_contents[Index(r, c)];
            const bool formula = presence == FormulaPresence::All ||
                                 (presence == FormulaPresence::Some && IsFormula(block, r, c, formulas.At(r, c)));
            if (formula) {
                content = CellContent::Formula(TextOf(formulas.At(r, c)));
                continue;
            }
            const VARIANT& value = block.Value(r, c);
            // Value gives a currency amount to four decimals; Value2 gives the number it is.
            if (NeedsValue2(value) && !values2Read) {
                values2 = CellArray(block.Range().Value2(), rows, columns, L"Range.Value2");
                values2Read = true;
            }
            content = ConstantOf(value, values2.At(r, c));
        }
    }
}

size_t PreviousContents::Index(long row, long column) const {
    return static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns) + static_cast<size_t>(column - 1);
}

const CellContent& PreviousContents::At(long row, long column) const { return m_contents[Index(row, column)]; }

}  // namespace blocks
