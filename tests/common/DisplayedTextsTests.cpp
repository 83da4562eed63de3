// Displayed texts in bulk: what a block's cells show, equal to each cell's own Range.Text, with a call of its
// own only for a cell whose value does not decide what it shows.
#include <gtest/gtest.h>

#include <string>

#include "tests/cleanup/EngineTest.h"
#include "tools/common/BlockReader.h"
#include "tools/common/DisplayedTexts.h"

namespace {

using blocks::Block;
using blocks::DisplayedTexts;

TEST(DisplayedTexts, only_general_and_text_show_a_text_as_it_is) {
    for (const wchar_t* format : {L"General", L"general", L"GENERAL", L"@"}) EXPECT_TRUE(blocks::ShowsTextAsItIs(format));
    for (const wchar_t* format : {L";;;", L"\"ID-\"@", L"@*-", L"0.00", L"", L"General;@", L"Generally"})
        EXPECT_FALSE(blocks::ShowsTextAsItIs(format)) << format;
}

class DisplayedTextReading : public cwtest::EngineTest {
protected:
    Block WholeArea(const wchar_t* address) {
        Excel().Select(address);
        sheet::Range area = App().Selection().Areas().Item(1);
        const long rows = area.Rows().Count();
        const long columns = area.Columns().Count();
        return Block::Read(area, {1, 1, rows, columns}, blocks::FormulaCells::Ignored);
    }

    // Reads the area as one block and checks every cell against what the stand-in's Range.Text shows.
    void ExpectEveryCellAsShown(const wchar_t* address, long cellsAsked, size_t formatReads) {
        Block block = WholeArea(address);
        sheet::Range area = block.Range();
        Excel().ClearLog();
        DisplayedTexts shown = DisplayedTexts::Read(block);
        const long top = area.Row();
        const long left = area.Column();
        for (long r = 1; r <= block.Rows(); ++r)
            for (long c = 1; c <= block.Columns(); ++c)
                EXPECT_EQ(shown.At(r, c), Cells().DisplayText(top + r - 1, left + c - 1)) << At(top + r - 1, left + c - 1);
        EXPECT_EQ(shown.At(block.Rows() + 1, 1), L"") << "outside the block";
        EXPECT_EQ(shown.CellsAsked(), cellsAsked) << address;
        EXPECT_EQ(Gets(L"Range.Text"), static_cast<size_t>(cellsAsked)) << address;
        EXPECT_EQ(Gets(L"Range.NumberFormat"), formatReads) << address;
    }
};

TEST_F(DisplayedTextReading, texts_under_general_or_text_cost_one_format_read_and_every_other_cell_its_own_text) {
    // Column A: plain texts under General, a formula's text, a text with a NUL, a blank, "@" nowhere.
    Cells().SetText(L"A1", L"plain");
    Cells().Enter(L"A2", L"'123");
    Cells().SetFormula(L"A3", L"=\"made\"", host::CellValue::Text(L"made"));
    Cells().SetText(L"A4", std::wstring(L"a\0b", 3));
    Cells().SetText(L"A6", std::wstring(32767, L'x'));
    ExpectEveryCellAsShown(L"$A$1:$A$6", 0, 1);

    // Column B: every kind of cell that shows something other than its value.
    Cells().SetColumnWidth(2, 3);
    Cells().SetNumber(L"B1", 1.5);
    Cells().SetNumberFormat(L"B1", L"0.00");
    Cells().SetDate(L"B2", 2024, 3, 5);
    Cells().SetBoolean(L"B3", true);
    Cells().SetError(L"B4", host::xl::ErrNA);
    Cells().SetNumber(L"B5", 123456789);  // "###" in a narrow column
    Cells().SetFormula(L"B6", L"=1/0", host::CellValue::Error(host::xl::ErrDiv0));
    ExpectEveryCellAsShown(L"$B$1:$B$6", 6, 0);

    // Column C: texts under formats that hide or decorate them.
    Cells().SetText(L"C1", L"hidden");
    Cells().SetNumberFormat(L"C1:C2", L";;;");
    Cells().SetText(L"C3", L"abc");
    Cells().SetNumberFormat(L"C3", L"\"ID-\"@");
    Cells().SetText(L"C4", L"as typed");
    Cells().SetNumberFormat(L"C4", L"@");
    // Three texts of mixed formats: asking each costs less than asking halves for their formats.
    ExpectEveryCellAsShown(L"$C$1:$C$4", 3, 1);
}

TEST_F(DisplayedTextReading, a_block_of_mixed_formats_asks_its_halves_so_only_the_decorated_column_asks_its_cells) {
    // 200 rows of texts; column B stands under "ID-"@, A and C under General, D under "@".
    FillText(1, 1, 200, 4, [](long r, long c) { return std::to_wstring(r * 10 + c); });
    Cells().SetNumberFormat(L"B1:B200", L"\"ID-\"@");
    Cells().SetNumberFormat(L"D1:D200", L"@");
    Block block = WholeArea(L"$A$1:$D$200");
    Excel().ClearLog();
    DisplayedTexts shown = DisplayedTexts::Read(block);
    EXPECT_EQ(shown.At(7, 2), L"ID-72");
    EXPECT_EQ(shown.At(200, 4), L"2004");
    EXPECT_EQ(shown.CellsAsked(), 200);
    EXPECT_LE(Gets(L"Range.NumberFormat"), 7u) << "the block, then halves down to single columns";
    size_t bytes = 0;
    for (long r = 1; r <= 200; ++r) bytes += (3 + std::to_wstring(r * 10 + 2).size()) * sizeof(wchar_t);
    EXPECT_EQ(shown.AskedBytes(), bytes);
}

}  // namespace
