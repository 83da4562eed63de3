// A run's record on its own: addresses, contents kept and compared, and the limit of its bytes.
#include <gtest/gtest.h>

#include <string>

#include "tools/common/CellContent.h"
#include "tools/common/RunRecord.h"
#include "tools/common/SheetAddress.h"

namespace {

using blocks::BlockRect;
using blocks::CellContent;
using blocks::ContentKind;

TEST(SheetAddress, areas_are_written_and_read_as_excel_writes_them) {
    EXPECT_EQ(blocks::AddressOf({2, 2, 1, 1}), L"$B$2");
    EXPECT_EQ(blocks::AddressOf({2, 2, 8, 26}), L"$B$2:$AA$9");
    // Excel 2003's "$A:$C" reads as 1,048,576 rows and is written back as columns, which it takes.
    EXPECT_EQ(blocks::AddressOf(*blocks::ParseArea(L"$A:$C")), L"$A:$C");
    EXPECT_EQ(blocks::AddressOf(*blocks::ParseArea(L"$2:$5")), L"$2:$5");
    struct Case {
        const wchar_t* text;
        bool valid;
        BlockRect rect;
    };
    const Case cases[] = {
        {L"$B$2", true, {2, 2, 1, 1}},
        {L"B2:D9", true, {2, 2, 8, 3}},
        {L"$D$9:$B$2", true, {2, 2, 8, 3}},
        {L"$XFD$1048576", true, {1048576, 16384, 1, 1}},
        {L"$A:$C", true, {1, 1, 1048576, 3}},
        {L"$2:$5", true, {2, 1, 4, 16384}},
        {L"", false, {}},
        {L"$A$0", false, {}},
        {L"XFE1", false, {}},
        {L"A1048577", false, {}},
        {L"A:5", false, {}},
        {L"$A", false, {}},
        {L"A1:", false, {}},
        {L"1A", false, {}},
    };
    for (const Case& c : cases) {
        auto rect = blocks::ParseArea(c.text);
        EXPECT_EQ(rect.has_value(), c.valid) << testing::PrintToString(std::wstring(c.text));
        if (rect && c.valid) {
            EXPECT_EQ(*rect, c.rect) << testing::PrintToString(std::wstring(c.text));
        }
    }
}

TEST(SheetAddress, a_long_list_of_areas_is_cut_at_commas_into_pieces_worksheet_range_takes) {
    std::wstring address;
    for (int i = 1; i <= 60; ++i) address += (i > 1 ? L"," : L"") + std::wstring(L"$A$") + std::to_wstring(i * 2);
    std::wstring joined;
    for (const std::wstring& piece : blocks::AddressPieces(address)) {
        EXPECT_LE(piece.size(), 255u);
        EXPECT_NE(piece.front(), L',');
        joined += (joined.empty() ? L"" : L",") + piece;
    }
    EXPECT_EQ(joined, address);
    EXPECT_EQ(blocks::AddressPieces(L"$A$1"), std::vector<std::wstring>{L"$A$1"});
}

VARIANT Raw(VARTYPE type) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    return v;
}

TEST(CellContent, constants_keep_their_type_and_a_currency_amount_its_exact_number) {
    VARIANT number = Raw(VT_R8), date = Raw(VT_DATE), amount = Raw(VT_CY), exact = Raw(VT_R8), flag = Raw(VT_BOOL),
            error = Raw(VT_ERROR), empty = Raw(VT_EMPTY);
    number.dblVal = 0.1 + 0.2;
    date.date = 45292.75;
    amount.cyVal.int64 = 33333;  // 3.3333, as Value gives 10/3
    exact.dblVal = 10.0 / 3.0;
    flag.boolVal = VARIANT_TRUE;
    error.scode = static_cast<SCODE>(0x800A07FA);
    EXPECT_EQ(blocks::ConstantOf(number, empty), (CellContent{ContentKind::Number, 0.1 + 0.2, {}}));
    EXPECT_EQ(blocks::ConstantOf(date, empty), (CellContent{ContentKind::Date, 45292.75, {}}));
    EXPECT_EQ(blocks::ConstantOf(amount, exact), (CellContent{ContentKind::Number, 10.0 / 3.0, {}}));
    EXPECT_EQ(blocks::ConstantOf(flag, empty), (CellContent{ContentKind::Boolean, 1, {}}));
    EXPECT_EQ(blocks::ConstantOf(error, empty), (CellContent{ContentKind::Error, 0x800A07FA, {}}));
    EXPECT_EQ(blocks::ConstantOf(empty, empty), CellContent::Empty());
    EXPECT_TRUE(blocks::NeedsValue2(amount));
    EXPECT_FALSE(blocks::NeedsValue2(date));
}

TEST(CellContent, what_a_written_entry_leaves_is_compared_with_what_value_gives_later) {
    VARIANT typed = Raw(VT_BSTR), plain = Raw(VT_BSTR), nothing = Raw(VT_BSTR), empty = Raw(VT_EMPTY);
    typed.bstrVal = SysAllocString(L"'007");
    plain.bstrVal = SysAllocString(L"ABC");
    nothing.bstrVal = SysAllocString(L"");
    EXPECT_EQ(blocks::ContentWritten(typed), CellContent::Text(L"007"));
    EXPECT_EQ(blocks::ContentWritten(plain), CellContent::Text(L"ABC"));
    EXPECT_EQ(blocks::ContentWritten(nothing), CellContent::Empty());
    EXPECT_EQ(blocks::ContentWritten(empty), CellContent::Empty());

    VARIANT shown = Raw(VT_BSTR), number = Raw(VT_R8);
    shown.bstrVal = SysAllocString(L"007");
    number.dblVal = 7;
    EXPECT_TRUE(blocks::ValueShows(shown, CellContent::Text(L"007")));
    EXPECT_TRUE(blocks::ValueShows(shown, blocks::ContentLeft::Of(CellContent::Text(L"007"))));
    EXPECT_FALSE(blocks::ValueShows(shown, blocks::ContentLeft::Of(CellContent::Text(L"008"))));
    EXPECT_TRUE(blocks::ValueShows(empty, blocks::ContentLeft::Of(CellContent::Text(L""))));
    EXPECT_FALSE(blocks::ValueShows(number, CellContent::Text(L"007"))) << "the user typed a number since";
    EXPECT_FALSE(blocks::ValueShows(shown, CellContent::Formula(L"=A1")));
    EXPECT_TRUE(blocks::ValueShows(empty, CellContent::Empty()));
    EXPECT_TRUE(blocks::ValueShows(nothing, CellContent::Text(L""))) << "an empty text left by \"'\"";
    EXPECT_TRUE(blocks::ValueShows(empty, CellContent::Text(L"")));
    for (VARIANT* v : {&typed, &plain, &nothing, &shown}) VariantClear(v);
}

TEST(RunRecord, keeps_each_cells_content_before_and_after_in_one_pool_a_block) {
    blocks::RunRecord record;
    record.BeginCells(3);
    record.AddCell(5, 3, CellContent::Formula(L"=A1*2"), CellContent::Text(L"ABC"));
    record.AddCell(2, 7, CellContent{ContentKind::Date, 45000.5, {}}, CellContent::Empty());
    record.AddCell(9, 4, CellContent::Text(std::wstring(32767, L'x')), CellContent::Text(L"X"));
    record.EndCells();
    record.BeginCells(1);
    record.EndCells();
    ASSERT_EQ(record.Cells().size(), 1u) << "a block that took no cell is not kept";
    const blocks::RecordedCells& cells = record.Cells()[0];
    EXPECT_EQ(cells.Bounds(), (BlockRect{2, 3, 8, 5}));
    EXPECT_EQ(cells.Before(0), CellContent::Formula(L"=A1*2"));
    EXPECT_EQ(cells.After(0), blocks::ContentLeft::Of(CellContent::Text(L"ABC")));
    EXPECT_EQ(cells.Before(1), (CellContent{ContentKind::Date, 45000.5, {}}));
    EXPECT_EQ(cells.Before(2).text.size(), 32767u);
    EXPECT_EQ(cells.After(2), blocks::ContentLeft::Of(CellContent::Text(L"X")));
    EXPECT_NE(cells.After(2), blocks::ContentLeft::Of(CellContent::Text(L"x")));
    EXPECT_GE(record.Bytes(), 32767 * sizeof(wchar_t));
    EXPECT_FALSE(record.Empty());
}

TEST(RunRecord, past_its_limit_it_lets_go_of_everything_and_says_the_run_cannot_be_undone) {
    blocks::RunRecord record(64 * 1024);
    record.AddSelection(L"$A$1", L"", L"$A$3");
    record.AddMergedBefore({1, 1, 2, 2});
    record.AddMergedBefore({1, 1, 2, 2});
    EXPECT_EQ(record.MergedBefore().size(), 1u) << "an area is kept once";
    record.BeginCells(10);
    for (long row = 1; !record.Overflowed() && row < 100000; ++row)
        record.AddCell(row, 1, CellContent::Text(L"some text to keep"), CellContent::Text(L"SOME TEXT TO KEEP"));
    record.EndCells();
    EXPECT_TRUE(record.Overflowed());
    EXPECT_TRUE(record.Empty());
    EXPECT_EQ(record.Bytes(), 0u);
    record.AddFormat({{1, 1, 1, 1}, blocks::FormatKind::Fill, blocks::FormatValue::NoFill(), blocks::FormatValue::Of(255)});
    record.AddSelection(L"$B$1", L"", L"$B$2");
    EXPECT_TRUE(record.Empty()) << "nothing more is kept";
    EXPECT_TRUE(record.Formats().empty());
}

TEST(RunRecord, keeps_the_first_selection_before_and_the_last_after) {
    blocks::RunRecord record;
    record.AddSelection(L"$A$1:$B$9", L"", L"$A$3:$B$3");
    record.AddSelection(L"$A$3:$B$3", L"", L"$A$3:$B$3,$A$7:$B$7");
    EXPECT_EQ(record.SelectionBefore(), L"$A$1:$B$9");
    EXPECT_EQ(record.SelectionAfter(), L"$A$3:$B$3,$A$7:$B$7");
}

}  // namespace
