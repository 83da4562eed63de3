// Reading worksheet rectangles in blocks: how they are cut, what each block costs in calls, and what it
// tells about values and formulas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cleanup/EngineTest.h"
#include "tools/common/BandSizer.h"
#include "tools/common/BlockReader.h"

namespace {

using blocks::Block;
using blocks::BlockReader;
using blocks::BlockRect;
using blocks::CellFormula;
using blocks::FormulaCells;
using blocks::FormulaPresence;

TEST(BandSizer, bands_start_small_grow_at_most_fourfold_and_shrink_at_once_to_the_bytes_seen) {
    // One column, caps of 65,536 cells and 1 MB: each step is the band read and the next band's rows. The first
    // band holds as many full-length texts, read and written back, as 1 MB takes.
    blocks::BandSizer sizer(1, {65536, 1u << 20});
    EXPECT_EQ(sizer.NextRows(1000000), 7);
    EXPECT_EQ(sizer.NextRows(5), 5) << "never more than the rows left";
    const struct {
        long long cells;
        size_t bytesPerCell;
        long nextRows;
    } steps[] = {
        {7, 16, 28}, {28, 16, 112}, {112, 16, 448}, {448, 16, 1792}, {1792, 16, 7168}, {7168, 16, 28672},
        {28672, 16, 65536},
        {65536, 20016, 52},  // texts of 10,000 characters: 1 MB holds 52 of them
        {52, 20016, 52},     {52, 16, 208}, {208, 66000, 15}, {15, 2000000, 1},
    };
    for (const auto& step : steps) {
        sizer.Seen(step.cells, static_cast<size_t>(step.cells) * step.bytesPerCell);
        EXPECT_EQ(sizer.NextRows(1000000), step.nextRows) << step.cells << " cells of " << step.bytesPerCell;
    }
    // Ten columns: rows are the cells over the columns; at least one.
    blocks::BandSizer wide(10, {65536, 8u << 20});
    EXPECT_EQ(wide.NextRows(1000), 6);
    blocks::BandSizer wider(100, {65536, 8u << 20});
    EXPECT_EQ(wider.NextRows(1000), 1);
}

class BlockReading : public cwtest::EngineTest {
protected:
    sheet::Range Area(const wchar_t* address) {
        Excel().Select(address);
        return App().Selection().Areas().Item(1);
    }
};

TEST_F(BlockReading, each_block_costs_one_value_read_and_its_cells_are_the_sheets_wherever_the_area_lies) {
    FillText(5, 3, 14, 5, [this](long r, long c) { return At(r, c); });
    Cells().SetNumber(L"D9", 42);
    Cells().ClearCell(L"E10");
    sheet::Range area = Area(L"$C$5:$E$14");
    Excel().ClearLog();

    BlockReader reader(area, {9, FormulaCells::Ignored});
    EXPECT_EQ(reader.Rows(), 10);
    EXPECT_EQ(reader.Columns(), 3);
    long blockCount = 0;
    for (Block block; reader.Next(block);) {
        ++blockCount;
        EXPECT_EQ(block.Columns(), 3);
        EXPECT_EQ(block.Range().Address(), L"$C$" + std::to_wstring(4 + block.Place().row) + L":$E$" +
                                               std::to_wstring(3 + block.Place().row + block.Rows()));
        for (long r = 1; r <= block.Rows(); ++r)
            for (long c = 1; c <= 3; ++c) {
                long row = 4 + block.Place().row + r - 1;
                const VARIANT& cell = block.Value(r, c);
                std::wstring address = At(row, c + 2);
                if (address == L"D9") {
                    EXPECT_EQ(cell.vt, VT_R8);
                } else if (address == L"E10") {
                    EXPECT_EQ(cell.vt, VT_EMPTY);
                } else {
                    EXPECT_EQ(blocks::TextOf(cell), address);
                }
                EXPECT_EQ(block.FormulaAt(r, c), CellFormula::No);
            }
    }
    EXPECT_EQ(blockCount, 4);  // rows 5-7, 8-10, 11-13, 14
    EXPECT_EQ(Gets(L"Range.Value"), 4u);
    EXPECT_EQ(Gets(L"Range.HasFormula"), 0u);
    EXPECT_EQ(Gets(L"Range.Formula"), 0u);
    // The first block starts where the area does; the next two are the same size below it (Offset alone).
    EXPECT_EQ(Gets(L"Range.Resize"), 2u);
    EXPECT_EQ(Gets(L"Range.Offset"), 3u);
}

TEST_F(BlockReading, an_area_that_is_one_block_or_one_cell_is_read_as_it_is) {
    Cells().SetText(L"B2", L"only");
    sheet::Range cell = Area(L"$B$2");
    Excel().ClearLog();
    BlockReader reader(cell);
    Block block;
    ASSERT_TRUE(reader.Next(block));
    EXPECT_EQ(blocks::TextOf(block.Value(1, 1)), L"only");
    EXPECT_EQ(block.Value(2, 1).vt, VT_EMPTY);  // outside the block
    EXPECT_FALSE(reader.Next(block));
    EXPECT_EQ(Gets(L"Range.Resize") + Gets(L"Range.Offset"), 0u);
    EXPECT_EQ(Gets(L"Range.Value"), 1u);

    // The last block of a column can be one cell too.
    FillText(1, 1, 5, 1, [](long r, long) { return std::to_wstring(r); });
    BlockReader column(Area(L"$A$1:$A$5"), {2});
    std::wstring seen;
    for (Block b; column.Next(b);)
        for (long r = 1; r <= b.Rows(); ++r) seen += blocks::TextOf(b.Value(r, 1));
    EXPECT_EQ(seen, L"12345");
}

TEST_F(BlockReading, formulas_cost_one_has_formula_per_block_and_one_formula_read_only_where_they_mix) {
    // Rows 1-2: constants only. Rows 3-4: formulas only. Rows 5-6: mixed, every kind of cell.
    FillText(1, 1, 2, 4, [](long, long) { return L"text"; });
    Cells().SetFormula(L"A3:D4", L"=ROW()", host::CellValue::Number(3));
    Cells().SetFormula(L"A5", L"=1/0", host::CellValue::Error(host::xl::ErrDiv0));
    Cells().Enter(L"B5", L"'=quoted");
    Cells().SetFormula(L"C5", L"=B6", host::CellValue::Text(L"=B6"));  // yields its own text
    Cells().SetFormula(L"D5", L"=A6", host::CellValue::Text(L"plain"));
    Cells().SetText(L"A6", L"plain");
    Cells().SetNumber(L"B6", 5);
    Cells().SetArrayFormula(L"C6", L"{=\"\"}", host::CellValue::Text(L""));
    const CellFormula mixed[2][4] = {{CellFormula::Yes, CellFormula::Unsure, CellFormula::Unsure, CellFormula::Yes},
                                     {CellFormula::No, CellFormula::No, CellFormula::Yes, CellFormula::No}};

    for (FormulaCells formulas : {FormulaCells::Mapped, FormulaCells::Skipped}) {
        Excel().ClearLog();
        BlockReader reader(Area(L"$A$1:$D$6"), {8, formulas});
        std::vector<Block> read(3);
        for (Block& block : read) ASSERT_TRUE(reader.Next(block));
        EXPECT_EQ(Gets(L"Range.HasFormula"), 3u);
        EXPECT_EQ(Gets(L"Range.Formula"), 1u);
        EXPECT_EQ(Gets(L"Range.Value"), formulas == FormulaCells::Skipped ? 2u : 3u);

        EXPECT_EQ(read[0].Formulas(), FormulaPresence::None);
        EXPECT_EQ(read[1].Formulas(), FormulaPresence::All);
        EXPECT_EQ(read[1].ValuesRead(), formulas == FormulaCells::Mapped);
        EXPECT_EQ(read[1].FormulaAt(2, 2), CellFormula::Yes);
        EXPECT_EQ(read[2].Formulas(), FormulaPresence::Some);
        for (long r = 1; r <= 2; ++r)
            for (long c = 1; c <= 4; ++c) EXPECT_EQ(read[2].FormulaAt(r, c), mixed[r - 1][c - 1]) << At(4 + r, c);

        // Only an unsure cell costs calls of its own to settle: one Item, one HasFormula.
        Excel().ClearLog();
        EXPECT_FALSE(read[2].HoldsFormula(1, 2));
        EXPECT_TRUE(read[2].HoldsFormula(1, 3));
        EXPECT_FALSE(read[2].HoldsFormula(2, 1));
        EXPECT_EQ(Gets(L"Range.HasFormula"), 2u);
        EXPECT_EQ(Gets(L"Range.Item"), 2u);
    }
}

TEST(CellArray, an_answer_that_is_not_the_cells_asked_for_fails_instead_of_being_read) {
    auto array = [](long rows, long columns, VARTYPE type) {
        SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(rows), 1}, {static_cast<ULONG>(columns), 1}};
        VARIANT raw;
        VariantInit(&raw);
        raw.vt = VT_ARRAY | type;
        raw.parray = SafeArrayCreate(type, 2, bounds);
        return sheet::Variant::Adopt(raw);
    };
    auto fails = [](sheet::Variant value, long rows, long columns) {
        try {
            blocks::CellArray cells(std::move(value), rows, columns, L"Range.Value");
        } catch (const sheet::CAutomationError& error) {
            return error.Description();
        }
        return std::wstring();
    };
    EXPECT_EQ(fails(array(2, 2, VT_VARIANT), 3, 2), L"Range.Value did not give the 3 by 2 cells that were asked for.");
    EXPECT_FALSE(fails(array(2, 2, VT_VARIANT), 2, 3).empty());
    EXPECT_FALSE(fails(array(2, 2, VT_BSTR), 2, 2).empty());
    EXPECT_FALSE(fails(sheet::Variant::String(L"one"), 2, 2).empty());
    EXPECT_FALSE(fails(sheet::Variant(), 1, 2).empty());
    EXPECT_TRUE(fails(array(2, 2, VT_VARIANT), 2, 2).empty());
    EXPECT_TRUE(fails(sheet::Variant::String(L"one"), 1, 1).empty());

    // Moving keeps the cells readable, a scalar as well as an array.
    blocks::CellArray scalar(sheet::Variant::String(L"kept"), 1, 1, L"Range.Value");
    blocks::CellArray moved(std::move(scalar));
    EXPECT_EQ(blocks::TextOf(moved.At(1, 1)), L"kept");
    EXPECT_FALSE(scalar.IsRead());
    blocks::CellArray grid(array(3, 2, VT_VARIANT), 3, 2, L"Range.Value");
    moved = std::move(grid);
    EXPECT_EQ(moved.Rows(), 3);
    EXPECT_EQ(moved.At(3, 2).vt, VT_EMPTY);
}

}  // namespace
