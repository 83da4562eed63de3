#include "tools/common/FormulaMap.h"

#include <utility>

namespace blocks {

FormulaPresence FormulaMap::PresenceOf(const sheet::Variant& hasFormula) noexcept {
    const VARIANT& v = hasFormula.get();
    if (v.vt != VT_BOOL) return FormulaPresence::Some;
    return v.boolVal == VARIANT_FALSE ? FormulaPresence::None : FormulaPresence::All;
}

FormulaMap FormulaMap::Uniform(FormulaPresence presence) noexcept {
    FormulaMap map;
    map.m_presence = presence;
    return map;
}

FormulaMap FormulaMap::Mixed(CellArray formulas) noexcept {
    FormulaMap map;
    map.m_presence = FormulaPresence::Some;
    map.m_formulas = std::move(formulas);
    return map;
}

CellFormula FormulaMap::At(long row, long column, const VARIANT& value) const noexcept {
    switch (m_presence) {
    case FormulaPresence::None: return CellFormula::No;
    case FormulaPresence::All: return CellFormula::Yes;
    case FormulaPresence::Some: break;
    }
    const VARIANT& formula = m_formulas.At(row, column);
    if (formula.vt != VT_BSTR) return CellFormula::Unsure;
    std::wstring_view text = TextOf(formula);
    bool looksLikeFormula = !text.empty() && text.front() == L'=';
    // A constant text's formula is the text itself; a formula differs from its result unless it yields its
    // own text. Other constants (numbers, dates, booleans) never begin with "=".
    if (value.vt == VT_BSTR) {
        bool same = TextOf(value) == text;
        if (looksLikeFormula) return same ? CellFormula::Unsure : CellFormula::Yes;
        return same ? CellFormula::No : CellFormula::Unsure;
    }
    return looksLikeFormula ? CellFormula::Yes : CellFormula::No;
}

}  // namespace blocks
