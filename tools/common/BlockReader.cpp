#include "tools/common/BlockReader.h"

#include <utility>

#include "tools/common/SubRange.h"

namespace blocks {

Block Block::Read(sheet::Range range, const BlockRect& place, FormulaCells formulas) {
    Block block;
    block.m_place = place;
    block.m_range = std::move(range);
    FormulaPresence presence = FormulaPresence::None;
    if (formulas != FormulaCells::Ignored) {
        presence = FormulaMap::PresenceOf(block.m_range.HasFormula());
        block.m_formulas = FormulaMap::Uniform(presence);
        if (presence == FormulaPresence::All && formulas == FormulaCells::Skipped) return block;
    }
    block.m_values = CellArray(block.m_range.Value(), place.rows, place.columns, L"Range.Value");
    if (presence == FormulaPresence::Some)
        block.m_formulas =
            FormulaMap::Mixed(CellArray(block.m_range.Formula(), place.rows, place.columns, L"Range.Formula"));
    return block;
}

bool Block::HoldsFormula(long row, long column) const {
    switch (FormulaAt(row, column)) {
    case CellFormula::No: return false;
    case CellFormula::Yes: return true;
    case CellFormula::Unsure: break;
    }
    return !m_range.Item(row, column).HasFormula().IsFalseBool();
}

BlockReader::BlockReader(sheet::Range area, ReadOptions options)
    : m_area(std::move(area)),
      m_formulas(options.formulas),
      m_rows(m_area.Rows().Count()),
      m_columns(m_area.Columns().Count()),
      m_grid(m_rows, m_columns, options.maxCells, options.rowsPerBlock) {}

bool BlockReader::Next(Block& block) {
    // The last block's arrays go before the next ones come, so that only one block is held at a time.
    block = Block();
    if (!m_grid.Next(m_place)) return false;
    block = Block::Read(SubRange(m_area, m_rows, m_columns, m_place), m_place, m_formulas);
    return true;
}

}  // namespace blocks
