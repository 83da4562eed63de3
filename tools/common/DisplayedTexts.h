// The texts the cells of a block show, as Range.Text gives them cell by cell, read in bulk. Where the value
// decides what a cell shows (a blank cell, or a text under the General or Text format) the block's values
// are the texts, and one NumberFormat read of the block tells which formats they stand under. The other cells
// (numbers, dates, booleans, error values, texts under any other format) show what Range.Text says: asked
// once for each value of a column within a rectangle of one number format whose cells are drawn alike
// (CellLooks), and cell by cell where that is not known or where the column's values were seen not to
// repeat (KnownTexts). Given the texts known from the area's earlier blocks, a value of a column drawn as
// before is not asked again. Each text asked costs a Text of its own (Range.Text of several cells is Null
// unless they all hold the same contents and formats, so no call gives the texts of several values); a
// column's cells to ask are reached hundreds a call through For Each's enumerator (ColumnTexts), a few alone.
//
//   blocks::KnownTexts known;
//   for (blocks::Block block; reader.Next(block);) {
//       blocks::DisplayedTexts shown = blocks::DisplayedTexts::Read(block, known);
//       ... shown.At(r, c) ...
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/Variant.h"
#include "tools/common/BlockReader.h"
#include "tools/common/KnownTexts.h"

namespace blocks {

// True for the formats under which a text shows exactly as it is stored: General and Text ("@").
bool ShowsTextAsItIs(std::wstring_view numberFormat) noexcept;

class DisplayedTexts {
public:
    DisplayedTexts() = default;

    // The block must have its values read (blocks whose formulas were skipped have none) and must outlive
    // what this gives. Costs one NumberFormat read when the block holds a text or repeats a value that asks;
    // where the block's cells differ in format, or in how they are drawn, its halves are asked instead (down
    // to where asking each cell costs less); then one Text for each value of a column within
    // a rectangle that is alike, and for each other cell whose value does not decide what it shows.
    static DisplayedTexts Read(const Block& block);
    // The same, with what the area's earlier blocks asked, and adding to it what this one asks.
    static DisplayedTexts Read(const Block& block, KnownTexts& known);

    // What the cell shows, from (1, 1) within the block; empty for a blank cell. A NUL inside a text stays,
    // as Range.Text gives it.
    std::wstring_view At(long row, long column) const noexcept;

    // How many cells were asked for their Range.Text.
    long CellsAsked() const noexcept { return m_cellsAsked; }
    // The bytes of the texts asked for, which the block's values do not hold.
    std::size_t AskedBytes() const noexcept { return m_askedBytes; }

private:
    const Block* m_block = nullptr;
    // Cells that show an asked text, by index (rows first within a column, columns in order), with the text.
    std::vector<std::pair<std::size_t, std::uint32_t>> m_shownBy;
    std::vector<sheet::Variant> m_texts;
    long m_cellsAsked = 0;
    std::size_t m_askedBytes = 0;
};

}  // namespace blocks
