// The texts the cells of a block show, as Range.Text gives them cell by cell, read in bulk. Where the value
// decides what a cell shows (a blank cell, or a text under the General or Text format) the block's values
// are the texts, and one NumberFormat read of the block tells which formats they stand under; only the
// other cells (numbers, dates, booleans, error values, texts under any other format) cost a Range.Text each.
//
//   for (blocks::Block block; reader.Next(block);) {
//       blocks::DisplayedTexts shown = blocks::DisplayedTexts::Read(block);
//       ... shown.At(r, c) ...
//   }
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/Variant.h"
#include "tools/common/BlockReader.h"

namespace blocks {

// True for the formats under which a text shows exactly as it is stored: General and Text ("@").
bool ShowsTextAsItIs(std::wstring_view numberFormat) noexcept;

class DisplayedTexts {
public:
    DisplayedTexts() = default;

    // The block must have its values read (blocks whose formulas were skipped have none) and must outlive
    // what this gives. Costs one NumberFormat read when the block holds a text; where the block's cells
    // differ in format, its halves are asked instead (down to a few texts, which ask Range.Text); then one
    // Item and one Text for every cell whose value does not decide what it shows.
    static DisplayedTexts Read(const Block& block);

    // What the cell shows, from (1, 1) within the block; empty for a blank cell. A NUL inside a text stays,
    // as Range.Text gives it.
    std::wstring_view At(long row, long column) const noexcept;

    // How many cells were asked for their own Range.Text.
    long CellsAsked() const noexcept { return static_cast<long>(m_asked.size()); }
    // The bytes of the texts asked for, which the block's values do not hold.
    std::size_t AskedBytes() const noexcept { return m_askedBytes; }

private:
    std::size_t Index(long row, long column) const noexcept;

    const Block* m_block = nullptr;
    // Cells whose text came from Range.Text, by index (rows first within a column, columns in order).
    std::vector<std::pair<std::size_t, sheet::Variant>> m_asked;
    std::size_t m_askedBytes = 0;
};

}  // namespace blocks
