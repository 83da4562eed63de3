// What a run keeps in its record as it writes and formats: each cell's content before and after, learnt with
// at most one more read of a block, and the formats, merged areas and selection a change replaces.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/cleanup/EngineTest.h"
#include "tools/common/BlockWriter.h"
#include "tools/common/FormatRecording.h"
#include "tools/common/RecordingRun.h"

namespace {

using blocks::BlockRect;
using blocks::CellContent;
using blocks::ContentKind;

class Recording : public cwtest::EngineTest {
protected:
    sheet::Range AreaAt(const wchar_t* address) { return App().ActiveSheet().Range(address); }

    // Every cell of the area becomes "NEW" through the recording writer; the block is read as a tool reads it.
    void WriteAll(const wchar_t* address, blocks::FormulaCells formulas) {
        sheet::Range area = AreaAt(address);
        const long rows = area.Rows().Count(), columns = area.Columns().Count();
        blocks::Block block = blocks::Block::Read(area, {1, 1, rows, columns}, formulas);
        blocks::BlockChanges changes(rows, columns);
        for (long r = 1; r <= rows; ++r)
            for (long c = 1; c <= columns; ++c) changes.Set(r, c, sheet::Variant::String(L"'NEW"));
        blocks::RecordingRun recording(record, App());
        Excel().ClearLog();
        blocks::WriteChanges(block, changes);
    }

    CellContent BeforeAt(long row, long column) {
        for (const blocks::RecordedCells& cells : record.Cells())
            for (size_t i = 0; i < cells.Count(); ++i)
                if (cells.Row(i) == row && cells.Column(i) == column) return cells.Before(i);
        ADD_FAILURE() << "no cell " << row << "," << column << " in the record";
        return {};
    }

    void TearDown() override {
        m_record.reset();  // it holds the sheet
        EngineTest::TearDown();
    }

    std::unique_ptr<blocks::RunRecord> m_record = std::make_unique<blocks::RunRecord>();
    blocks::RunRecord& record = *m_record;
};

TEST_F(Recording, a_written_block_keeps_each_cells_content_with_one_more_read_where_the_tools_read_does_not_tell) {
    struct Case {
        const char* name;
        blocks::FormulaCells formulas;
        size_t formulaGets;
        size_t value2Gets;
    };
    const Case cases[] = {
        {"formulas mapped by the tool", blocks::FormulaCells::Mapped, 0, 1},
        {"formulas not looked at", blocks::FormulaCells::Ignored, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells().SetText(L"B2", L"abc");
        Cells().SetNumber(L"C2", 42.5);
        Cells().SetDate(L"D2", 2024, 2, 29);
        Cells().SetCurrency(L"E2", 10.0 / 3.0);
        Cells().SetBoolean(L"B3", true);
        Cells().SetError(L"C3", host::xl::ErrNA);
        Cells().SetFormula(L"D3", L"=B2&\"!\"", host::CellValue::Text(L"abc!"));
        Cells().SetText(L"E3", L"=x");
        Cells().ClearCell(L"F3");
        record.Cells().clear();
        WriteAll(L"B2:F3", c.formulas);
        EXPECT_EQ(BeforeAt(2, 2), CellContent::Text(L"abc"));
        EXPECT_EQ(BeforeAt(2, 3), (CellContent{ContentKind::Number, 42.5, {}}));
        EXPECT_EQ(BeforeAt(2, 4).kind, ContentKind::Date);
        EXPECT_EQ(BeforeAt(2, 5), (CellContent{ContentKind::Number, 10.0 / 3.0, {}})) << "not Value's 3.3333";
        EXPECT_EQ(BeforeAt(3, 2), (CellContent{ContentKind::Boolean, 1, {}}));
        EXPECT_EQ(BeforeAt(3, 3).kind, ContentKind::Error);
        EXPECT_EQ(BeforeAt(3, 4), CellContent::Formula(L"=B2&\"!\""));
        EXPECT_EQ(BeforeAt(3, 5), CellContent::Text(L"=x"));
        EXPECT_EQ(BeforeAt(3, 6), CellContent::Empty());
        EXPECT_EQ(record.Cells()[0].After(0), blocks::ContentLeft::Of(CellContent::Text(L"NEW")));
        EXPECT_EQ(Gets(L"Range.Formula"), c.formulaGets);
        EXPECT_EQ(Gets(L"Range.Value2"), c.value2Gets);
        EXPECT_EQ(Gets(L"Range.Value"), 0u);
    }
    EXPECT_EQ(record.SheetName(), L"Sheet1");
    EXPECT_EQ(record.WorkbookName(), L"Book1");
}

TEST_F(Recording, a_block_the_tool_mapped_costs_the_record_one_address) {
    Cells().SetText(L"A1", L"one");
    Cells().SetText(L"A2", L"two");
    WriteAll(L"A1:A2", blocks::FormulaCells::Mapped);
    EXPECT_EQ(Gets(L"Range.Formula") + Gets(L"Range.Value2"), 0u);
    EXPECT_EQ(Gets(L"Range.HasFormula"), 0u);
    // The block's place, and the sheet's identity once a run.
    EXPECT_EQ(Gets(L"Range.Address"), 1u);
    EXPECT_EQ(Gets(L"Range.Worksheet"), 1u);
    WriteAll(L"A1:A2", blocks::FormulaCells::Mapped);
    EXPECT_EQ(Gets(L"Range.Worksheet"), 0u);
}

TEST_F(Recording, a_write_that_fails_halfway_keeps_every_cell_it_was_to_change_and_the_refused_one_holds_its_before) {
    Cells().SetText(L"A1", L"a");
    Cells().SetText(L"B1", L"b");
    Cells().SetText(L"C1", L"c");
    Cells().MergeCells(L"C1:D2");
    EXPECT_FALSE(FailureOf([&] { WriteAll(L"A1:D1", blocks::FormulaCells::Mapped); }).empty());
    ASSERT_EQ(record.Cells().size(), 1u);
    const blocks::RecordedCells& cells = record.Cells()[0];
    ASSERT_EQ(cells.Count(), 4u);
    EXPECT_EQ(cells.Before(2), CellContent::Text(L"c"));
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"C1"), L"NEW"));
    EXPECT_EQ(cells.Before(3), CellContent::Empty()) << "D1, inside the merged area C1:D2, was refused";
    EXPECT_TRUE(Cells().At(L"D1").IsEmpty());
}

TEST_F(Recording, a_format_is_kept_in_parts_that_agree_and_a_merge_keeps_the_merged_areas_it_meets) {
    Cells().SetInteriorColor(L"A1:B2", 0x0000FF);
    Cells().SetInteriorColor(L"A4", 0x00FF00);
    Cells().MergeCells(L"B3:C3");
    Cells().MergeCells(L"A5:B6");
    sheet::Range area = AreaAt(L"A1:C6");
    blocks::RecordingRun recording(record, App());
    const auto painted = [](COLORREF color) { return blocks::FormatValue::Filled(blocks::Fill::Painted(color)); };
    blocks::RecordFormat(area, blocks::FormatKind::Fill, painted(0xFF0000));
    long long cells = 0, red = 0, green = 0;
    for (const blocks::FormatChange& change : record.Formats()) {
        EXPECT_EQ(change.after, painted(0xFF0000));
        cells += change.area.Cells();
        if (change.before == painted(0x0000FF)) red += change.area.Cells();
        if (change.before == painted(0x00FF00)) green += change.area.Cells();
    }
    EXPECT_EQ(cells, 18) << "every cell once, in parts of one fill each";
    EXPECT_EQ(red, 4);
    EXPECT_EQ(green, 1);

    blocks::RecordMerge(area.Rows().Item(3), false);
    blocks::RecordMerge(AreaAt(L"A5:C6"), true);
    EXPECT_EQ(record.MergedBefore(), (std::vector<BlockRect>{{3, 2, 1, 2}, {5, 1, 2, 2}}));
    ASSERT_EQ(record.MergedByRun().size(), 2u);
    EXPECT_EQ(record.MergedByRun()[1].area, (BlockRect{5, 1, 2, 3}));
    EXPECT_TRUE(record.MergedByRun()[1].across);

    Excel().Select(L"$A$1:$C$6");
    AreaAt(L"B4").Activate();
    blocks::RecordSelection(App(), AreaAt(L"A2:C2"));
    EXPECT_EQ(record.SelectionBefore(), L"$A$1:$C$6");
    EXPECT_EQ(record.ActiveCellBefore(), L"$B$4");
    EXPECT_EQ(record.SelectionAfter(), L"$A$2:$C$2");
}

TEST_F(Recording, outside_a_run_nothing_is_read) {
    Cells().MergeCells(L"A1:B1");
    sheet::Range area = AreaAt(L"A1:B2");
    Excel().ClearLog();
    blocks::RecordMerge(area, false);
    blocks::RecordFormat(area, blocks::FormatKind::WrapText, blocks::FormatValue::Of(1));
    blocks::RecordSelection(App(), area);
    blocks::FillCells(area, sheet::Variant());
    EXPECT_EQ(Excel().Log().Calls().size(), 1u) << "the put alone";
}

}  // namespace
