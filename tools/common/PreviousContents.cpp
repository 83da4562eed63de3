#include "tools/common/PreviousContents.h"

#include <optional>

namespace blocks {

namespace {

// Whether a changed cell holds a formula, as far as the tool's read tells: nothing when it cannot.
std::optional<bool> KnownFormula(const Block& block, long row, long column) {
    if (!block.FormulasMapped()) return std::nullopt;
    switch (block.FormulaAt(row, column)) {
    case CellFormula::No: return false;
    case CellFormula::Yes: return true;
    case CellFormula::Unsure: break;
    }
    return block.HoldsFormula(row, column);
}

}  // namespace

PreviousContents::PreviousContents(const Block& block, const BlockChanges& changes)
    : m_columns(block.Columns()), m_contents(static_cast<size_t>(block.Rows()) * static_cast<size_t>(block.Columns())) {
    const long rows = block.Rows();
    const long columns = block.Columns();
    // First what the tool's read tells, and whether a read of the block's formulas or Value2 is wanted.
    std::vector<std::optional<bool>> formula(m_contents.size());
    bool readFormulas = false;
    bool readValue2 = false;
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            if (!changes.IsChanged(r, c)) continue;
            std::optional<bool> known = KnownFormula(block, r, c);
            formula[Index(r, c)] = known;
            // A mixed block's formulas came with the tool's read; an all-formula block's did not.
            if (!known || (*known && block.Formulas() != FormulaPresence::Some)) readFormulas = true;
            if ((!known || !*known) && NeedsValue2(block.Value(r, c))) readValue2 = true;
        }
    }
    CellArray formulas;
    if (readFormulas) formulas = CellArray(block.Range().Formula(), rows, columns, L"Range.Formula");
    CellArray values2;
    if (readValue2) values2 = CellArray(block.Range().Value2(), rows, columns, L"Range.Value2");
    const FormulaMap unmapped = FormulaMap::Mixed(std::move(formulas));

    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            if (!changes.IsChanged(r, c)) continue;
            const VARIANT& value = block.Value(r, c);
            std::optional<bool> isFormula = formula[Index(r, c)];
            if (!isFormula) {
                CellFormula answer = unmapped.At(r, c, value);
                isFormula = answer == CellFormula::Unsure ? block.HoldsFormula(r, c) : answer == CellFormula::Yes;
            }
            CellContent& content = m_contents[Index(r, c)];
            if (!*isFormula) {
                content = ConstantOf(value, values2.At(r, c));
                continue;
            }
            const VARIANT& text = readFormulas ? unmapped.Text(r, c) : block.FormulaText(r, c);
            content = CellContent::Formula(TextOf(text));
        }
    }
}

size_t PreviousContents::Index(long row, long column) const {
    return static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns) + static_cast<size_t>(column - 1);
}

const CellContent& PreviousContents::At(long row, long column) const { return m_contents[Index(row, column)]; }

}  // namespace blocks
