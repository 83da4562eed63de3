#include "tools/common/BlockReader.h"

#include <algorithm>
#include <utility>

#include "tools/common/MergedAreas.h"
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
        block.m_formulasMapped = true;
        if (presence == FormulaPresence::All && formulas == FormulaCells::Skipped) return block;
    }
    block.m_values = CellArray(block.m_range.Value(), place.rows, place.columns, L"Range.Value");
    if (presence == FormulaPresence::Some)
        block.m_formulas =
            FormulaMap::Mixed(CellArray(block.m_range.Formula(), place.rows, place.columns, L"Range.Formula"));
    return block;
}

void Block::MapFormulas() {
    if (m_formulasMapped) return;
    m_formulasMapped = true;
    const FormulaPresence presence = FormulaMap::PresenceOf(m_range.HasFormula());
    m_formulas = presence == FormulaPresence::Some
                     ? FormulaMap::Mixed(CellArray(m_range.Formula(), Rows(), Columns(), L"Range.Formula"))
                     : FormulaMap::Uniform(presence);
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
    : BlockReader(area, area.Rows().Count(), area.Columns().Count(), options) {}

BlockReader::BlockReader(sheet::Range area, long rows, long columns, ReadOptions options)
    : m_area(std::move(area)),
      m_formulas(options.formulas),
      m_mergedAreas(options.mergedAreas),
      m_rows(std::max(0L, rows)),
      m_columns(std::max(0L, columns)),
      m_blockColumns(std::max(1L, std::min(m_columns, options.maxCells))),
      m_sizer(m_columns, {std::max(1L, options.maxCells), options.maxBytes}) {}

bool BlockReader::NextPlace(BlockRect& place, long bandRows) {
    if (m_rows == 0 || m_columns == 0) return false;
    auto rowsOfBand = [&](long rowsLeft) {
        if (bandRows > 0) return std::min(bandRows, rowsLeft);
        const long rows = m_sizer.NextRows(rowsLeft);
        if (m_mergedAreas == MergedAreaEdges::MayCut || rows == rowsLeft) return rows;
        const long first = m_rows - rowsLeft + 1;
        return GrowPastMergedAreas(m_area, m_rows, m_columns, first + rows - 1, PartEdge::AfterRow) - first + 1;
    };
    if (m_place.rows == 0) {
        place = {1, 1, rowsOfBand(m_rows), 0};
    } else if (m_place.column + m_place.columns <= m_columns) {
        place = {m_place.row, m_place.column + m_place.columns, m_place.rows, 0};
    } else if (m_place.row + m_place.rows <= m_rows) {
        // A band is done: the next one's height follows the bytes it held.
        m_sizer.Seen(m_bandCells, m_bandBytes);
        m_bandCells = 0;
        m_bandBytes = 0;
        const long row = m_place.row + m_place.rows;
        place = {row, 1, rowsOfBand(m_rows - row + 1), 0};
    } else {
        return false;
    }
    place.columns = std::min(m_blockColumns, m_columns - place.column + 1);
    return true;
}

sheet::Range BlockReader::RangeOf(const BlockRect& place) const {
    const bool sameSize = !m_last.IsEmpty() && place.rows == m_place.rows && place.columns == m_place.columns;
    if (sameSize && place.column == m_place.column && place.row == m_place.row + m_place.rows)
        return m_last.Offset(m_place.rows, 0);
    if (sameSize && place.row == m_place.row && place.column == m_place.column + m_place.columns)
        return m_last.Offset(0, m_place.columns);
    return SubRange(m_area, m_rows, m_columns, place);
}

bool BlockReader::Next(Block& block) { return Next(block, 0); }

bool BlockReader::Next(Block& block, long bandRows) {
    // The last block's arrays go before the next ones come, so that only one block is held at a time.
    block = Block();
    BlockRect place;
    if (!NextPlace(place, bandRows)) {
        m_last = sheet::Range();
        return false;
    }
    sheet::Range range = RangeOf(place);
    m_last = range;
    m_place = place;
    block = Block::Read(std::move(range), place, m_formulas);
    m_bandCells += place.Cells();
    m_bandBytes += block.Bytes();
    return true;
}

}  // namespace blocks
