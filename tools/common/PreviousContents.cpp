#include "tools/common/PreviousContents.h"

namespace blocks {

namespace {

// A cell the block's answers cannot place asks its own HasFormula.
bool CellHoldsFormula(const Block& block, long row, long column) {
    return !block.Range().Item(row, column).HasFormula().IsFalseBool();
}

}  // namespace

PreviousContents::PreviousContents(const Block& block, const BlockChanges& changes)
    : m_columns(block.Columns()), m_contents(static_cast<size_t>(block.Rows()) * static_cast<size_t>(block.Columns())) {
    const long rows = block.Rows();
    const long columns = block.Columns();
    // Most blocks hold no formula: a block the tool did not map asks HasFormula once, and reads its formulas
    // only when it holds some. A mixed block the tool mapped brought them along.
    const FormulaPresence presence =
        block.FormulasMapped() ? block.Formulas() : FormulaMap::PresenceOf(block.Range().HasFormula());
    const bool textsRead = block.FormulasMapped() && presence == FormulaPresence::Some;
    FormulaMap read;
    if (presence != FormulaPresence::None && !textsRead)
        read = FormulaMap::Mixed(CellArray(block.Range().Formula(), rows, columns, L"Range.Formula"));
    const FormulaMap& formulas = read;

    auto isFormula = [&](long r, long c) {
        switch (presence) {
        case FormulaPresence::None: return false;
        case FormulaPresence::All: return true;
        case FormulaPresence::Some: break;
        }
        const CellFormula answer = textsRead ? block.FormulaAt(r, c) : formulas.At(r, c, block.Value(r, c));
        return answer == CellFormula::Unsure ? CellHoldsFormula(block, r, c) : answer == CellFormula::Yes;
    };

    CellArray values2;
    bool values2Read = false;
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            if (!changes.IsChanged(r, c)) continue;
            CellContent& content = m_contents[Index(r, c)];
            if (isFormula(r, c)) {
                content = CellContent::Formula(TextOf(textsRead ? block.FormulaText(r, c) : formulas.Text(r, c)));
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
