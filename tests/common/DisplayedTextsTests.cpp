// Displayed texts in bulk: what a block's cells show, equal to each cell's own Range.Text, with a call of its
// own only for a cell whose value does not decide what it shows, and one for all equal values of a column
// drawn alike.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/cleanup/EngineTest.h"
#include "tools/common/BlockReader.h"
#include "tools/common/DisplayedTexts.h"
#include "tools/common/KnownTexts.h"

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

TEST_F(DisplayedTextReading, equal_values_of_a_column_drawn_alike_ask_once_and_show_what_each_cell_shows) {
    // 300 rows: A General numbers of 5 values, B dates of 4, C a narrow column ("###" and rounding) of 3,
    // D "0.00" above row 151 and General below it, of 2 values each.
    Cells().SetColumnWidth(3, 4);
    Cells().SetNumberFormat(L"D1:D150", L"0.00");
    for (long r = 1; r <= 300; ++r) {
        Cells().SetNumber(At(r, 1), 1000.5 + r % 5);
        Cells().SetDate(At(r, 2), 2024, 1 + r % 4, 9);
        Cells().SetNumber(At(r, 3), r % 3 == 0 ? 123456.0 : r % 3 == 1 ? 1.23456 : 7.0);
        Cells().SetNumber(At(r, 4), 0.125 * (r % 2));
    }
    // Formats: the block, its halves A:B and C:D, each column, and D's two halves.
    ExpectEveryCellAsShown(L"$A$1:$D$300", 5 + 4 + 3 + 2 + 2, 9);
}

TEST_F(DisplayedTextReading, where_cells_are_drawn_differently_equal_values_ask_cell_by_cell_there) {
    using host::FormatProperty;
    struct Case {
        const char* name;
        std::function<void(host::Sheet&)> disturb;  // one cell of A1:A40, or more, drawn otherwise
    };
    auto look = [](FormatProperty property, long number, std::wstring text = std::wstring()) {
        return [=](host::Sheet& sheet) { sheet.SetLook(L"A20", property, {number, text}); };
    };
    const Case cases[] = {
        {"alike", [](host::Sheet&) {}},
        {"a merged area", [](host::Sheet& sheet) { sheet.MergeCells(L"A20:B20"); }},
        {"a conditional format", [](host::Sheet& sheet) { sheet.AddConditionalFormat(L"A18:A22"); }},
        {"a font's size", look(FormatProperty::FontSize, 2000)},
        {"a font's name", look(FormatProperty::FontName, 0, L"Courier New")},
        {"bold", look(FormatProperty::FontBold, 1)},
        {"italic", look(FormatProperty::FontItalic, 1)},
        {"an indent", look(FormatProperty::IndentLevel, 2)},
        {"shrinking", look(FormatProperty::ShrinkToFit, 1)},
        {"an orientation", look(FormatProperty::Orientation, 90)},
        {"centring across a selection",
         [](host::Sheet& sheet) { sheet.SetFormat({1, 1, 40, 1}, FormatProperty::HorizontalAlignment, {7, L""}); }},
        {"wrapping", [](host::Sheet& sheet) { sheet.SetFormat({20, 1, 20, 1}, FormatProperty::WrapText, {1, L""}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto excel = host::Excel::Create();
        host::Sheet& sheet = excel->ActiveSheet();
        for (long r = 1; r <= 40; ++r) sheet.SetNumber(At(r, 1), 42.5);
        c.disturb(sheet);
        excel->Select(L"$A$1:$A$40");
        framework::ComPtr<IDispatch> appObject = excel->Application();
        sheet::Application app{framework::ComPtr<IDispatch>(appObject.Get())};
        sheet::Range area = app.Selection().Areas().Item(1);
        Block block = Block::Read(area, {1, 1, 40, 1}, blocks::FormulaCells::Ignored);
        DisplayedTexts shown = DisplayedTexts::Read(block);
        for (long r = 1; r <= 40; ++r) EXPECT_EQ(shown.At(r, 1), sheet.DisplayText(r, 1)) << r;
        if (c.name == std::string("alike"))
            EXPECT_EQ(shown.CellsAsked(), 1);
        else
            EXPECT_GT(shown.CellsAsked(), 1);
    }
}

TEST_F(DisplayedTextReading, a_later_block_asks_no_value_drawn_as_before_and_asks_again_once_the_width_changes) {
    for (long r = 1; r <= 600; ++r) Cells().SetNumber(At(r, 1), 3.25 + r % 4);
    Excel().Select(L"$A$1:$A$600");
    sheet::Range area = App().Selection().Areas().Item(1);
    blocks::KnownTexts known;
    Block first = Block::Read(area.Resize(300, 1), {1, 1, 300, 1}, blocks::FormulaCells::Ignored);
    EXPECT_EQ(DisplayedTexts::Read(first, known).CellsAsked(), 4);
    Block second = Block::Read(area.Offset(300, 0).Resize(300, 1), {301, 1, 300, 1}, blocks::FormulaCells::Ignored);
    EXPECT_EQ(DisplayedTexts::Read(second, known).CellsAsked(), 0);
    Cells().SetColumnWidth(1, 2);
    const DisplayedTexts narrow = DisplayedTexts::Read(second, known);
    EXPECT_EQ(narrow.CellsAsked(), 4);
    EXPECT_EQ(narrow.At(1, 1), Cells().DisplayText(301, 1));
}

}  // namespace

TEST(KnownTexts, a_column_that_does_not_repeat_stops_being_remembered_and_looks_again_every_16th_block) {
    blocks::KnownTexts known;
    // Numbers whose low 32 bits are all zero, as most whole and quarter numbers are.
    auto key = [](long column, double number) {
        blocks::KnownTexts::Key k{column, 0, VT_R8, 0};
        std::memcpy(&k.bits, &number, sizeof number);
        return k;
    };
    for (long column : {1, 2}) known.Add(key(column, 1000.25), L"1000.25");
    known.Learn(1, 10000, 0);
    EXPECT_TRUE(known.Shares(1)) << "too few values to tell";
    known.Learn(1, 10000, 100);
    EXPECT_FALSE(known.Shares(1));
    EXPECT_EQ(known.Find(key(1, 1000.25)), nullptr) << "its texts are dropped";
    ASSERT_NE(known.Find(key(2, 1000.25)), nullptr);
    EXPECT_EQ(*known.Find(key(2, 1000.25)), L"1000.25");
    known.Learn(2, 20000, 2000);
    EXPECT_TRUE(known.Shares(2));
    std::vector<long> looking;  // by blocks since it stopped
    for (long since = 1; since <= 32; ++since) {
        if (known.Shares(1)) looking.push_back(since);
        known.Learn(1, 0, 0);
    }
    EXPECT_EQ(looking, (std::vector<long>{16, 32}));
    known.Learn(1, 20000, 20000);
    EXPECT_TRUE(known.Shares(1)) << "repeating again";
}

TEST_F(DisplayedTextReading, a_column_of_distinct_numbers_asks_each_cell_once_told_and_still_shows_what_each_shows) {
    const long rows = 20000;
    for (long r = 1; r <= rows + 100; ++r) Cells().SetNumber(At(r, 1), r <= rows ? r + 0.5 : 7.0);
    Cells().SetColumnWidth(1, 3);
    Excel().Select(L"$A$1:$A$20100");
    sheet::Range area = App().Selection().Areas().Item(1);
    blocks::KnownTexts known;
    Block first = Block::Read(area.Resize(rows, 1), {1, 1, rows, 1}, blocks::FormulaCells::Ignored);
    Excel().ClearLog();
    EXPECT_EQ(DisplayedTexts::Read(first, known).CellsAsked(), rows);
    EXPECT_EQ(Gets(L"Range.Item"), 0u) << "the cells come from For Each's enumerator, hundreds a call";
    EXPECT_LE(Excel().Log().Total(), static_cast<size_t>(rows + rows / 100)) << "a Text a cell, and few calls more";
    Block second = Block::Read(area.Offset(rows, 0).Resize(100, 1), {rows + 1, 1, 100, 1}, blocks::FormulaCells::Ignored);
    Excel().ClearLog();
    const DisplayedTexts shown = DisplayedTexts::Read(second, known);
    EXPECT_EQ(shown.CellsAsked(), 100) << "no longer grouped";
    EXPECT_EQ(Gets(L"Range.NumberFormat"), 0u) << "nor looked at";
    for (long r = 1; r <= 100; ++r) EXPECT_EQ(shown.At(r, 1), Cells().DisplayText(rows + r, 1)) << r;
}

TEST_F(DisplayedTextReading, cells_to_ask_far_apart_in_a_column_are_passed_over_without_their_objects) {
    Cells().SetNumber(At(1, 1), 0.5);
    for (long r = 2; r < 1100; ++r) Cells().SetText(At(r, 1), L"t");
    for (long r = 1100; r <= 1107; ++r) Cells().SetNumber(At(r, 1), r + 0.25);
    ExpectEveryCellAsShown(L"$A$1:$A$1107", 9, 1);
    EXPECT_EQ(Excel().Log().Count(L"Enumerator.Skip"), 1u) << "the texts between, in one call";
    EXPECT_EQ(Gets(L"Range.Item"), 0u);
}
