// The Undo Last Run engine against the stand-in: a run recorded as the tools record it, then put back.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/cleanup/EngineTest.h"
#include "tests/status/StatusTest.h"
#include "tests/undo/SheetSnapshot.h"
#include "tools/common/BlockReader.h"
#include "tools/common/RecordedWrite.h"
#include "tools/common/FormatRecording.h"
#include "tools/common/FormatValues.h"
#include "tools/common/SheetAddress.h"
#include "tools/undo/UndoLastRun.h"

namespace {

using blocks::BlockRect;
using blocks::FormatKind;
using blocks::FormatValue;

constexpr long kRows = 8;
constexpr long kColumns = 6;

class UndoEngine : public cwtest::EngineTest {
protected:
    void TearDown() override {
        m_record.reset();  // it holds the sheet
        EngineTest::TearDown();
    }

    // Numbers, a date, an amount of more than four decimals, number-like texts, a formula, a boolean, an error
    // value, fills, a merged area, a wrapped and aligned cell and a column of its own width.
    void MixedSheet() {
        Cells().SetText(L"A1", L"name");
        Cells().SetNumber(L"B1", 1.0 / 7.0);
        Cells().SetDate(L"C1", 2024, 2, 29);
        Cells().SetCurrency(L"D1", 10.0 / 3.0);
        Cells().Enter(L"A2", L"'00123");
        Cells().SetText(L"B2", L"TRUE");
        Cells().SetFormula(L"C2", L"=B1*2", host::CellValue::Number(2.0 / 7.0));
        Cells().SetBoolean(L"D2", false);
        Cells().SetError(L"A3", host::xl::ErrDiv0);
        Cells().SetText(L"B3", L"=not a formula");
        Cells().SetInteriorColor(L"A4:B4", 0x00CCFF);
        Cells().SetText(L"A5", L"kept");
        Cells().MergeCells(L"A5:B6");
        Cells().SetText(L"C5", L"wrapped");
        Cells().SetColumnWidth(3, 21.5);
        sheet::Range c5 = App().ActiveSheet().Range(L"C5");
        c5.SetWrapText(true);
        c5.SetHorizontalAlignment(-4108);
        Excel().Select(L"$A$1:$D$6");
    }

    cwtest::SheetSnapshot Snapshot() { return cwtest::SheetSnapshot::Of(Cells(), kRows, kColumns); }

    sheet::Range RangeAt(const std::wstring& address) { return App().ActiveSheet().Range(address); }

    // As a tool writes: every cell of `rect` gets the text, through the recording writer. The recording's area
    // begins at A1.
    void Write(blocks::AreaRecording& recording, const BlockRect& rect, const std::wstring& text) {
        sheet::Range range = RangeAt(blocks::AddressOf(rect));
        blocks::Block block = blocks::Block::Read(range, rect, blocks::FormulaCells::Mapped);
        blocks::BlockChanges changes(rect.rows, rect.columns);
        for (long r = 1; r <= rect.rows; ++r)
            for (long c = 1; c <= rect.columns; ++c) changes.Set(r, c, sheet::Variant::String(text));
        blocks::WriteChanges(block, changes, recording);
    }

    // A run that does a little of everything the tools do, each change recorded before it is made.
    void RunOfEverything() {
        blocks::AreaRecording recording(Record(), RangeAt(L"A1:F8"));
        Write(recording, {1, 1, 3, 4}, L"'WRITTEN");
        sheet::Range rows = RangeAt(L"A5:C6");
        blocks::RecordUnmerge(recording, rows, {5, 1, 2, 3});
        rows.UnMerge();
        Write(recording, {5, 1, 2, 3}, L"");
        Write(recording, {5, 1, 1, 1}, L"'JOINED");
        blocks::RecordMerge(recording, rows, {5, 1, 2, 3}, true);
        rows.Merge(true);
        for (FormatKind kind : {FormatKind::WrapText, FormatKind::HorizontalAlignment}) {
            FormatValue after = FormatValue::Of(kind == FormatKind::WrapText ? 1 : -4131);
            blocks::RecordFormat(recording, rows, {5, 1, 2, 3}, kind, after);
            blocks::PutFormat(rows, kind, after);
        }
        sheet::Range columns = RangeAt(L"B1:C1");
        blocks::RecordFormat(recording, columns, {1, 2, 1, 2}, FormatKind::ColumnWidth, FormatValue::Of(30));
        columns.SetColumnWidth(sheet::Variant::Double(30));
        sheet::Range fill = RangeAt(L"A3:F4");
        blocks::RecordFormat(recording, fill, {3, 1, 2, 6}, FormatKind::Fill, FormatValue::Of(0x0000FF));
        fill.Interior().SetColor(0x0000FF);
        sheet::Range picked = RangeAt(L"A3:F3");
        blocks::RecordSelection(&Record(), App(), picked);
        picked.Select();
    }

    // As Change Case's block road runs over one area: every text upper (or lower) case, block by block.
    void ChangeCase(const std::wstring& address, bool upper) {
        sheet::Range area = RangeAt(address);
        blocks::BlockReader reader(area, {blocks::kDefaultBlockCells, blocks::FormulaCells::Mapped});
        blocks::AreaRecording recording(Record(), area);
        for (blocks::Block block; reader.Next(block);) {
            blocks::BlockChanges changes(block.Rows(), block.Columns());
            for (long r = 1; r <= block.Rows(); ++r)
                for (long c = 1; c <= block.Columns(); ++c) {
                    if (block.Value(r, c).vt != VT_BSTR) continue;
                    std::wstring text(blocks::TextOf(block.Value(r, c)));
                    for (wchar_t& letter : text) letter = upper ? towupper(letter) : towlower(letter);
                    if (text != blocks::TextOf(block.Value(r, c))) changes.Set(r, c, sheet::Variant::String(text));
                }
            blocks::WriteChanges(block, changes, recording);
        }
    }

    blocks::RunRecord& Record() { return *m_record; }
    void NewRecord(size_t limit = blocks::RunRecord::kLimitBytes) { m_record = std::make_unique<blocks::RunRecord>(limit); }

    std::unique_ptr<blocks::RunRecord> m_record = std::make_unique<blocks::RunRecord>();
};

TEST_F(UndoEngine, puts_back_contents_types_formulas_merged_areas_formats_fills_widths_and_the_selection) {
    MixedSheet();
    const cwtest::SheetSnapshot before = Snapshot();
    RunOfEverything();
    ASSERT_FALSE(cwtest::SameSheet(before, Snapshot())) << "the run changed the sheet";

    undo::UndoResult result = undo::UndoLastRun(App(), Record());
    EXPECT_TRUE(cwtest::SameSheet(before, Snapshot()));
    EXPECT_FALSE(result.sheetGone);
    EXPECT_EQ(result.cellsPutBack, 12 + 6 + 12) << "A1:D3, A5:C6 once, and the fill of A3:F4";
    EXPECT_EQ(result.cellsLeft, 0);
    EXPECT_TRUE(result.selectionPutBack);
    EXPECT_TRUE(Record().Empty()) << "what is back leaves the record";
    EXPECT_EQ(Cells().MergeQuestions(), 0u) << "no merge that would drop a value";
}

TEST_F(UndoEngine, a_cell_the_user_changed_since_the_run_is_left_as_it_is_and_counted) {
    MixedSheet();
    const cwtest::SheetSnapshot before = Snapshot();
    RunOfEverything();
    Cells().Enter(L"B2", L"typed since");
    Cells().SetInteriorColor(L"F4", 0x00FF00);
    undo::UndoResult result = undo::UndoLastRun(App(), Record());
    EXPECT_EQ(result.cellsLeft, 2);
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"B2"), L"typed since"));
    EXPECT_EQ(Cells().At(L"F4").interiorColor, COLORREF(0x00FF00));
    cwtest::SheetSnapshot expected = before;
    expected.cells[1 * kColumns + 1] = cwtest::SheetSnapshot::Line(Cells(), 2, 2);
    expected.cells[3 * kColumns + 5] = cwtest::SheetSnapshot::Line(Cells(), 4, 6);
    EXPECT_TRUE(cwtest::SameSheet(expected, Snapshot())) << "everything else is back";
}

TEST_F(UndoEngine, a_value_typed_into_an_area_the_run_took_apart_keeps_it_from_being_merged_again) {
    MixedSheet();
    RunOfEverything();
    Cells().SetText(L"B6", L"typed since");
    undo::UndoLastRun(App(), Record());
    EXPECT_FALSE(Cells().MergedAreaAt(5, 1)) << "merging would drop B6";
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A5"), L"kept"));
    EXPECT_EQ(Cells().MergeQuestions(), 0u);
}

TEST_F(UndoEngine, of_two_runs_only_the_second_goes_back) {
    Cells().SetText(L"A1", L"first");
    Cells().SetText(L"A2", L"Second");
    ChangeCase(L"A1:A2", true);
    const cwtest::SheetSnapshot afterFirst = Snapshot();
    NewRecord();
    ChangeCase(L"A1:A2", false);
    ASSERT_TRUE(cwtest::IsText(Cells().At(L"A1"), L"first"));
    undo::UndoLastRun(App(), Record());
    EXPECT_TRUE(cwtest::SameSheet(afterFirst, Snapshot()));
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A1"), L"FIRST"));
}

TEST_F(UndoEngine, a_whole_column_run_goes_back_in_blocks_with_few_calls) {
    for (long r = 1; r <= 100000; ++r) Cells().SetText(At(r, 1), L"name " + std::to_wstring(r));
    Cells().SetNumber(L"A7", 7);
    ChangeCase(L"A1:A100000", true);
    ASSERT_TRUE(cwtest::IsText(Cells().At(L"A100000"), L"NAME 100000"));
    Excel().ClearLog();
    undo::UndoResult result = undo::UndoLastRun(App(), Record());
    EXPECT_EQ(result.cellsPutBack, 99999);
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A100000"), L"name 100000"));
    EXPECT_EQ(Cells().At(L"A7").value, host::CellValue::Number(7));
    EXPECT_LE(Excel().Log().Calls().size(), 1000u) << "at most 0.01 calls a cell";
}

TEST_F(UndoEngine, a_sheet_deleted_since_the_run_changes_nothing_and_is_said_to_be_gone) {
    Excel().AddSheet(L"Other").SetText(L"A1", L"other sheet");
    MixedSheet();
    RunOfEverything();
    Excel().DeleteSheet(L"Sheet1");
    const cwtest::SheetSnapshot other = Snapshot();
    undo::UndoResult result = undo::UndoLastRun(App(), Record());
    EXPECT_TRUE(result.sheetGone);
    EXPECT_EQ(result.cellsPutBack, 0);
    EXPECT_TRUE(cwtest::SameSheet(other, Snapshot()));
    EXPECT_EQ(Record().SheetName(), L"Sheet1");
}

TEST_F(UndoEngine, esc_stops_between_blocks_and_a_second_undo_puts_back_the_rest) {
    for (long r = 1; r <= 3000; ++r) Cells().SetText(At(r, 2), L"text " + std::to_wstring(r));
    const cwtest::SheetSnapshot before = cwtest::SheetSnapshot::Of(Cells(), 3000, 2);
    blocks::AreaRecording recording(Record(), RangeAt(L"A1:B3000"));
    for (long top = 1; top <= 3000; top += 1000) Write(recording, {top, 2, 1000, 1}, L"'SAME");
    cwtest::StoppingProgress stop(1000);
    undo::UndoResult first = undo::UndoLastRun(App(), Record(), stop);
    EXPECT_EQ(first.cellsPutBack, 1000);
    EXPECT_EQ(stop.totals, std::vector<long>{3000});
    EXPECT_FALSE(Record().Empty());
    undo::UndoResult second = undo::UndoLastRun(App(), Record());
    EXPECT_EQ(second.cellsPutBack, 2000);
    EXPECT_EQ(second.cellsLeft, 0);
    EXPECT_TRUE(Record().Empty());
    EXPECT_TRUE(cwtest::SameSheet(before, cwtest::SheetSnapshot::Of(Cells(), 3000, 2)));
}

TEST_F(UndoEngine, a_failure_leaves_each_cell_as_the_run_left_it_or_as_before_and_the_rest_to_try_again) {
    MixedSheet();
    const cwtest::SheetSnapshot before = Snapshot();
    auto contentOf = [&] {
        std::vector<std::wstring> cells;
        for (long r = 1; r <= kRows; ++r)
            for (long c = 1; c <= kColumns; ++c) {
                host::Cell cell = Cells().At(r, c);
                cells.push_back(cell.formula + L"|" + std::to_wstring(static_cast<int>(cell.Type())) + L"|" +
                                cell.value.text + L"|" + std::to_wstring(cell.value.number));
            }
        return cells;
    };
    const std::vector<std::wstring> contentBefore = contentOf();
    for (size_t failing = 1;; ++failing) {
        SCOPED_TRACE("Range.Value call " + std::to_string(failing) + " fails");
        NewRecord();
        RunOfEverything();
        const std::vector<std::wstring> contentAfter = contentOf();
        Excel().FailCall(L"Range.Value", failing);
        if (FailureOf([&] { undo::UndoLastRun(App(), Record()); }).empty()) break;
        const std::vector<std::wstring> now = contentOf();
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_TRUE(now[i] == contentBefore[i] || now[i] == contentAfter[i]) << testing::PrintToString(now[i]);
        EXPECT_FALSE(Record().Empty()) << "what is not back stays to try again";
        undo::UndoResult retry = undo::UndoLastRun(App(), Record());
        EXPECT_EQ(retry.cellsLeft, 0);
        ASSERT_TRUE(cwtest::SameSheet(before, Snapshot()));
    }
}

}  // namespace
