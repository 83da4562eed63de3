// Reads a rectangle of a worksheet in blocks: per block one Range.Value get (a two-dimensional array) and,
// when asked, where the block's formulas are (one HasFormula, and for a mixed block one Range.Formula).
// Blocks are bands of whole rows (cut across only when one row alone holds more cells than a block may),
// capped by cells and by the bytes their texts take: the bands grow from a small first one and follow the
// text lengths met (BandSizer). A block of the size of the last one, beside or below it, is reached with
// one Offset; any other with Resize and Offset.
//
// With MergedAreaEdges::KeptWhole a band ends only where no merged area crosses its lower edge.
//
//   blocks::BlockReader reader(area, {blocks::kDefaultBlockCells, blocks::FormulaCells::Mapped});
//   for (blocks::Block block; reader.Next(block);) {
//       ... block.Value(r, c), block.FormulaAt(r, c), block.Range() ...
//   }
#pragma once

#include "sheet/Range.h"
#include "tools/common/BandSizer.h"
#include "tools/common/BlockRect.h"
#include "tools/common/CellArray.h"
#include "tools/common/FormulaMap.h"

namespace blocks {

enum class FormulaCells {
    Ignored,  // values only: a formula cell gives its result
    Mapped,   // values, and where the formulas are
    Skipped,  // as Mapped, but a block of formulas only is not read at all: its values stay unread
};

// Whether a band's lower edge may cross a merged area: a reader whose bands are written band by band keeps
// them whole, its bands growing past their size where a merged area reaches below them.
enum class MergedAreaEdges {
    MayCut,
    KeptWhole,
};

struct ReadOptions {
    long maxCells = kDefaultBlockCells;
    FormulaCells formulas = FormulaCells::Ignored;
    std::size_t maxBytes = kDefaultBlockBytes;
    MergedAreaEdges mergedAreas = MergedAreaEdges::MayCut;
};

class Block {
public:
    Block() = default;

    // Where the block lies in its area, and the block's own range.
    const BlockRect& Place() const noexcept { return m_place; }
    const sheet::Range& Range() const noexcept { return m_range; }
    long Rows() const noexcept { return m_place.rows; }
    long Columns() const noexcept { return m_place.columns; }

    // False only for a block of formulas whose reading was skipped.
    bool ValuesRead() const noexcept { return m_values.IsRead(); }
    // A cell's value, from (1, 1) within the block: VT_BSTR, VT_R8, VT_EMPTY and so on, as Range.Value gives it.
    const VARIANT& Value(long row, long column) const noexcept { return m_values.At(row, column); }

    FormulaPresence Formulas() const noexcept { return m_formulas.Presence(); }
    bool FormulasMapped() const noexcept { return m_formulasMapped; }
    // A cell's formula as the block's Range.Formula gave it, for a mixed block; empty for any other.
    const VARIANT& FormulaText(long row, long column) const noexcept { return m_formulas.Text(row, column); }
    // No when formulas were not mapped.
    CellFormula FormulaAt(long row, long column) const noexcept {
        return m_formulas.At(row, column, m_values.At(row, column));
    }

    // True for a formula cell: Yes from the map, or for Unsure the cell's own HasFormula (one Item and one
    // HasFormula call), which is True or False for a single cell.
    bool HoldsFormula(long row, long column) const;

    // Learns where the formulas are in a block read with formulas ignored, once they matter: one HasFormula,
    // and one Range.Formula for a block that mixes formulas and constants. Nothing when already mapped.
    void MapFormulas();

    // The memory the block's arrays take, texts included.
    std::size_t Bytes() const noexcept { return m_values.Bytes() + m_formulas.Bytes(); }

    // Reads the block whose range is given: one HasFormula first unless formulas are ignored (a block of
    // formulas only stops there when they are skipped), one Range.Value, and one Range.Formula for a block
    // that mixes formulas and constants.
    static Block Read(sheet::Range range, const BlockRect& place, FormulaCells formulas);

private:
    BlockRect m_place;
    sheet::Range m_range;
    CellArray m_values;
    FormulaMap m_formulas;
    bool m_formulasMapped = false;
};

class BlockReader {
public:
    // `area` is one rectangular area; its size costs two Count calls.
    explicit BlockReader(sheet::Range area, ReadOptions options = {});
    // An area whose size the caller knows: no call.
    BlockReader(sheet::Range area, long rows, long columns, ReadOptions options = {});

    long Rows() const noexcept { return m_rows; }
    long Columns() const noexcept { return m_columns; }

    // Reads the next block into `block`; false, with `block` emptied, when the area is done.
    bool Next(Block& block);
    // The same, but a band that begins here takes bandRows rows (fewer at the end), whatever the bytes seen:
    // for readers of separate columns whose blocks must line up.
    bool Next(Block& block, long bandRows);

    // What the reader's user made of the band being read and holds until its end (joined texts, say): the next
    // band's height follows these bytes as it follows those read.
    void Made(std::size_t bytes) noexcept { m_bandBytes += bytes; }

private:
    bool NextPlace(BlockRect& place, long bandRows);
    sheet::Range RangeOf(const BlockRect& place) const;

    sheet::Range m_area;
    FormulaCells m_formulas;
    MergedAreaEdges m_mergedAreas;
    long m_rows;
    long m_columns;
    long m_blockColumns;
    BandSizer m_sizer;
    BlockRect m_place;  // the last block's
    sheet::Range m_last;
    long long m_bandCells = 0;
    std::size_t m_bandBytes = 0;
};

}  // namespace blocks
