#include "tools/common/PreviousContents.h"

namespace blocks {

FormulaPresence PreviousContents::Presence() {
    if (!m_presenceKnown) {
        m_presence = m_block.FormulasMapped() ? m_block.Formulas()
                                              : FormulaMap::PresenceOf(m_block.Range().HasFormula());
        m_presenceKnown = true;
    }
    return m_presence;
}

const VARIANT& PreviousContents::FormulaText(long row, long column) {
    if (m_block.FormulasMapped() && m_block.Formulas() == FormulaPresence::Some)
        return m_block.FormulaText(row, column);
    if (!m_formulas.IsRead())
        m_formulas = CellArray(m_block.Range().Formula(), m_block.Rows(), m_block.Columns(), L"Range.Formula");
    return m_formulas.At(row, column);
}

bool PreviousContents::HoldsFormula(long row, long column) {
    switch (Presence()) {
    case FormulaPresence::None: return false;
    case FormulaPresence::All: return true;
    case FormulaPresence::Some: break;
    }
    if (m_block.FormulasMapped()) return m_block.HoldsFormula(row, column);
    // A constant's formula is its own text: only a formula begins with "=", unless it is a text that does.
    const VARIANT& formula = FormulaText(row, column);
    const VARIANT& value = m_block.Value(row, column);
    if (formula.vt == VT_BSTR) {
        std::wstring_view text = TextOf(formula);
        if (text.empty() || text.front() != L'=') return false;
        if (value.vt != VT_BSTR || TextOf(value) != text) return true;
    }
    return !m_block.Range().Item(row, column).HasFormula().IsFalseBool();
}

CellContent PreviousContents::At(long row, long column) {
    if (HoldsFormula(row, column)) return CellContent::Formula(TextOf(FormulaText(row, column)));
    const VARIANT& value = m_block.Value(row, column);
    if (NeedsValue2(value) && !m_values2.IsRead())
        m_values2 = CellArray(m_block.Range().Value2(), m_block.Rows(), m_block.Columns(), L"Range.Value2");
    return ConstantOf(value, m_values2.At(row, column));
}

}  // namespace blocks
