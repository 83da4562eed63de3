// Undo Last Run over every tool and option: each runs on a sheet of mixed content as the add-in runs it (its
// changes recorded by the writers), Undo Last Run puts it back, and the whole sheet must be as before. Then
// what a user does between the run and the undo, and failures of the undo itself.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/cleanup/EngineTest.h"
#include "tests/status/StatusTest.h"
#include "tests/undo/SheetSnapshot.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/common/RecordingRun.h"
#include "tools/duplicates/RemoveDuplicates.h"
#include "tools/merge/MergeSelection.h"
#include "tools/undo/LastRun.h"
#include "tools/undo/UndoLastRun.h"

namespace {

constexpr long kRows = 9;
constexpr long kColumns = 7;

using Tool = std::function<void(const sheet::Application& app)>;

struct Case {
    std::string name;
    Tool run;
};

std::vector<Case> EveryToolAndOption() {
    std::vector<Case> cases;
    const char* const caseNames[] = {"upper", "lower", "first upper", "first upper rest lower", "each word"};
    for (int i = 0; i < 5; ++i)
        cases.push_back({std::string("Change Case, ") + caseNames[i],
                         [i](const sheet::Application& app) { cleanup::RunChangeCase(app, cleanup::kCaseModes[i]); }});
    const char* const removeNames[] = {"leading", "trailing", "both ends", "non-printing", "no-break spaces"};
    for (int i = 0; i < 5; ++i)
        cases.push_back({std::string("Remove Characters, ") + removeNames[i], [i](const sheet::Application& app) {
                             cleanup::RunRemoveCharacters(app, cleanup::kRemoveModes[i]);
                         }});
    const char* const actionNames[] = {"Select", "Color", "Delete"};
    for (int action = 0; action < 3; ++action)
        for (bool allColumns : {false, true})
            cases.push_back({std::string("Remove Duplicates, ") + actionNames[action] +
                                 (allColumns ? ", every column" : ", first column"),
                             [action, allColumns](const sheet::Application& app) {
                                 std::vector<UINT> keys{0};
                                 if (allColumns) keys = {0, 1, 2, 3, 4, 5, 6};
                                 duplicates::RunRemoveDuplicates(app, app.Selection(), keys,
                                                                 static_cast<duplicates::DupAction>(action), 0x3399FF);
                             }});
    const char* const targetNames[] = {"left cells",  "right cells",  "top-left cell", "top-right cell",
                                       "bottom-left", "bottom-right", "top cells",     "bottom cells"};
    for (int target = 0; target < 8; ++target)
        for (int options = 0; options < 3; ++options) {
            merge::MergeRequest request;
            request.target = static_cast<merge::MergeTarget>(target);
            request.separator = L", ";
            request.mergeCells = options == 0;
            request.clearSources = options == 2;
            const char* const optionNames[] = {", merged", ", kept apart", ", sources cleared"};
            cases.push_back({std::string("Merge Cell Text, ") + targetNames[target] + optionNames[options],
                             [request](const sheet::Application& app) { merge::MergeSelection(app, request); }});
        }
    return cases;
}

class Undo : public cwtest::EngineTest {
protected:
    void TearDown() override {
        m_lastRun.Release();  // the record holds the sheet
        EngineTest::TearDown();
    }

    // Numbers, a date, an amount of more than four decimals, number-like texts, formulas, a boolean, an error
    // value, texts every option changes, rows that repeat, fills with a pattern and a theme colour, a merged
    // area, a wrapped and aligned cell, a column of its own width, and a selection with its active cell.
    void MixedSheet() {
        host::Sheet& cells = Cells();
        cells.SetText(L"A1", L"  name one ");
        cells.SetNumber(L"B1", 1.0 / 7.0);
        cells.SetDate(L"C1", 2024, 2, 29);
        cells.SetCurrency(L"D1", 10.0 / 3.0);
        cells.SetText(L"E1", L"mIxed\u00A0Case\x01");
        cells.Enter(L"A2", L"'00123");
        cells.SetText(L"B2", L"TRUE");
        cells.SetFormula(L"C2", L"=B1*2", host::CellValue::Number(2.0 / 7.0));
        cells.SetBoolean(L"D2", false);
        cells.SetFormula(L"E2", L"=A1", host::CellValue::Text(L"  name one "));
        cells.SetError(L"A3", host::xl::ErrDiv0);
        cells.SetText(L"B3", L"=not a formula");
        cells.SetText(L"C3", L" dup\u00A0row ");
        for (const wchar_t* row : {L"7", L"8"}) {
            cells.SetError(std::wstring(L"A") + row, host::xl::ErrDiv0);
            cells.SetText(std::wstring(L"B") + row, L"=not a formula");
            cells.SetText(std::wstring(L"C") + row, L" dup\u00A0row ");
        }
        cells.SetNumber(L"D8", 4);
        cells.SetText(L"F1", L"\x02tail  ");
        cells.SetText(L"A5", L"kept");
        cells.MergeCells(L"A5:B6");
        cells.SetText(L"C5", L"wrapped text");
        cells.SetColumnWidth(3, 21.5);
        sheet::Range c5 = RangeAt(L"C5");
        c5.SetWrapText(true);
        c5.SetHorizontalAlignment(-4108);
        sheet::Interior patterned = RangeAt(L"A4:B4").Interior();
        patterned.SetColor(0x00CCFF);
        patterned.SetPattern(17);  // xlGray16
        patterned.SetPatternColor(0x800000);
        sheet::Interior themed = RangeAt(L"C4:D4").Interior();
        themed.SetThemeColor(5);
        themed.SetTintAndShade(0.4);
        RangeAt(L"E7:F8").Interior().SetColor(0x00FF00);
        Excel().Select(L"$A$1:$F$8");
        RangeAt(L"C3").Activate();
    }

    // A new, empty sheet takes the place of the active one.
    void FreshSheet() {
        const std::wstring old = Cells().Name();
        const std::wstring name = L"Sheet" + std::to_wstring(++m_sheets);
        Excel().AddSheet(name);
        Excel().ActivateSheet(name);
        Excel().DeleteSheet(old);
    }

    cwtest::SheetSnapshot Snapshot() { return cwtest::SheetSnapshot::Of(Cells(), kRows, kColumns); }
    sheet::Range RangeAt(const std::wstring& address) { return App().ActiveSheet().Range(address); }

    // As the add-in runs a tool: a new record of the last run, which the writers fill.
    void Run(const Tool& tool, std::size_t limit = blocks::RunRecord::kLimitBytes) {
        blocks::RecordingRun recording(m_lastRun.Begin(limit), App());
        tool(App());
    }

    undo::UndoResult UndoLast() { return undo::UndoLastRun(App(), *m_lastRun.Record()); }

    undo::LastRun m_lastRun;
    int m_sheets = 1;
};

TEST_F(Undo, after_every_tool_and_option_the_whole_sheet_comes_back) {
    for (const Case& c : EveryToolAndOption()) {
        SCOPED_TRACE(c.name);
        m_lastRun.Release();
        FreshSheet();
        MixedSheet();
        const cwtest::SheetSnapshot before = Snapshot();
        // A run Excel stops halfway (a clearing that would cut the merged area) goes back as far as it got.
        const bool failed = !FailureOf([&] { Run(c.run); }).empty();
        if (!failed) {
            EXPECT_FALSE(cwtest::SameSheet(before, Snapshot())) << "the run changed the sheet";
        }
        if (!m_lastRun.Undoable()) continue;
        const undo::UndoResult result = UndoLast();
        EXPECT_TRUE(cwtest::SameSheet(before, Snapshot()));
        EXPECT_EQ(result.cellsLeft, 0);
        EXPECT_TRUE(m_lastRun.Record()->Empty()) << "what is back leaves the record";
        EXPECT_EQ(Cells().MergeQuestions(), 0u) << "no merge that would drop a value";
        if (HasFailure()) return;
    }
}

TEST_F(Undo, a_cell_or_fill_the_user_changed_since_the_run_is_left_as_it_is_and_counted) {
    MixedSheet();
    const cwtest::SheetSnapshot before = Snapshot();
    Run([](const sheet::Application& app) { cleanup::RunChangeCase(app, cleanup::CaseMode::Upper); });
    Run([](const sheet::Application& app) {
        duplicates::RunRemoveDuplicates(app, app.Selection(), {0}, duplicates::DupAction::Color, 0x0000FF);
    });
    Cells().Enter(L"C8", L"typed since");
    RangeAt(L"F7").Interior().SetColor(0x00FFFF);
    // Only the second run comes back: the colour. Of its 14 cells, one was coloured again since.
    const undo::UndoResult result = UndoLast();
    EXPECT_EQ(result.cellsLeft, 1);
    EXPECT_EQ(result.cellsPutBack, 11) << "A7:D8, and E7:F8 green again";
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"C8"), L"typed since"));
    EXPECT_EQ(Cells().At(L"F7").interiorColor, COLORREF(0x00FFFF));
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A1"), L"  NAME ONE ")) << "the first run stays";
    EXPECT_EQ(Cells().At(L"A7").interiorColor, std::nullopt);
    EXPECT_EQ(before.cells[3 * kColumns], Snapshot().cells[3 * kColumns]) << "A4's patterned fill untouched";
}

TEST_F(Undo, a_value_typed_into_an_area_the_run_took_apart_keeps_it_from_being_merged_again) {
    MixedSheet();
    merge::MergeRequest request;
    request.separator = L" ";
    Run([&](const sheet::Application& app) { merge::MergeSelection(app, request); });
    Cells().SetText(L"B6", L"typed since");
    UndoLast();
    EXPECT_FALSE(Cells().MergedAreaAt(5, 1)) << "merging would drop B6";
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A5"), L"kept"));
    EXPECT_EQ(Cells().MergeQuestions(), 0u);
}

TEST_F(Undo, a_run_whose_record_passes_its_limit_goes_on_and_says_it_cannot_be_undone) {
    for (long r = 1; r <= 3000; ++r) Cells().SetText(At(r, 1), L"name " + std::to_wstring(r));
    Excel().Select(L"$A$1:$A$3000");
    Run([](const sheet::Application& app) { cleanup::RunChangeCase(app, cleanup::CaseMode::Upper); }, 64 * 1024);
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A3000"), L"NAME 3000")) << "the run went on";
    EXPECT_FALSE(m_lastRun.Undoable());
    EXPECT_EQ(m_lastRun.Noted(L"3,000 cells changed"),
              L"3,000 cells changed; too many changes to keep, so Undo Last Run cannot put them back");
}

TEST_F(Undo, a_whole_column_run_goes_back_in_blocks_with_few_calls) {
    for (long r = 1; r <= 100000; ++r) Cells().SetText(At(r, 1), L"name " + std::to_wstring(r));
    Cells().SetNumber(L"A7", 7);
    Excel().Select(L"$A:$A");
    Run([](const sheet::Application& app) { cleanup::RunChangeCase(app, cleanup::CaseMode::Upper); });
    ASSERT_TRUE(cwtest::IsText(Cells().At(L"A100000"), L"NAME 100000"));
    Excel().ClearLog();
    const undo::UndoResult result = UndoLast();
    EXPECT_EQ(result.cellsPutBack, 99999);
    EXPECT_TRUE(cwtest::IsText(Cells().At(L"A100000"), L"name 100000"));
    EXPECT_EQ(Cells().At(L"A7").value, host::CellValue::Number(7));
    EXPECT_LE(Excel().Log().Calls().size(), 1000u) << "at most 0.01 calls a cell";
}

TEST_F(Undo, a_sheet_or_workbook_gone_since_the_run_changes_nothing_and_is_said_to_be_gone) {
    Excel().AddSheet(L"Other").SetText(L"A1", L"other sheet");
    for (const wchar_t* gone : {L"Sheet1", L"Other"}) {
        SCOPED_TRACE(gone == std::wstring(L"Other") ? "workbook closed" : "sheet deleted");
        Excel().ActivateSheet(gone);
        MixedSheet();
        Run([](const sheet::Application& app) { cleanup::RunChangeCase(app, cleanup::CaseMode::Lower); });
        if (gone == std::wstring(L"Other"))
            Excel().CloseWorkbook();
        else
            Excel().DeleteSheet(gone);
        const cwtest::SheetSnapshot left = Snapshot();
        const undo::UndoResult result = UndoLast();
        EXPECT_TRUE(result.sheetGone);
        EXPECT_EQ(result.cellsPutBack, 0);
        EXPECT_TRUE(cwtest::SameSheet(left, Snapshot()));
        EXPECT_EQ(m_lastRun.Record()->SheetName(), gone);
    }
}

TEST_F(Undo, esc_stops_between_blocks_and_a_second_undo_puts_back_the_rest) {
    for (long r = 1; r <= 30000; ++r) Cells().SetText(At(r, 2), L"text " + std::to_wstring(r));
    Excel().Select(L"$B$1:$B$30000");
    const cwtest::SheetSnapshot before = cwtest::SheetSnapshot::Of(Cells(), 30000, 2);
    Run([](const sheet::Application& app) { cleanup::RunChangeCase(app, cleanup::CaseMode::Upper); });
    cwtest::StoppingProgress stop(1);
    const undo::UndoResult first = undo::UndoLastRun(App(), *m_lastRun.Record(), stop);
    EXPECT_GT(first.cellsPutBack, 0);
    EXPECT_LT(first.cellsPutBack, 30000);
    EXPECT_TRUE(m_lastRun.Undoable());
    const undo::UndoResult second = UndoLast();
    EXPECT_EQ(first.cellsPutBack + second.cellsPutBack, 30000);
    EXPECT_EQ(second.cellsLeft, 0);
    EXPECT_TRUE(cwtest::SameSheet(before, cwtest::SheetSnapshot::Of(Cells(), 30000, 2)));
}

// Every call the undo makes fails in turn: each cell is then as the run left it or as before, the record keeps
// what is not back, and undoing again brings the whole sheet back.
TEST_F(Undo, the_fault_sweep_over_undo_leaves_each_cell_as_the_run_left_it_or_as_before_and_the_rest_to_try_again) {
    merge::MergeRequest request;
    request.separator = L", ";
    const Tool merging = [&](const sheet::Application& app) { merge::MergeSelection(app, request); };
    MixedSheet();
    const cwtest::SheetSnapshot before = Snapshot();
    Run(merging);
    const cwtest::SheetSnapshot after = Snapshot();
    Excel().ClearLog();
    UndoLast();
    std::vector<std::wstring> calls;
    for (const auto& call : Excel().Log().Calls()) calls.push_back(call.Name());
    ASSERT_GT(calls.size(), 10u);
    for (size_t failing = 0; failing < calls.size(); ++failing) {
        SCOPED_TRACE("call " + std::to_string(failing + 1) + " fails");
        FreshSheet();
        MixedSheet();
        Run(merging);
        std::map<std::wstring, size_t> seen;
        for (size_t i = 0; i < failing; ++i) ++seen[calls[i]];
        Excel().FailCall(calls[failing], seen[calls[failing]] + 1);
        // A failure the undo can do without (a theme colour Excel will not tell, say) is no failure.
        const bool failed = !FailureOf([&] { UndoLast(); }).empty();
        // A cell's content: its line up to its formats.
        const auto content = [](const std::wstring& line) { return line.substr(0, line.find(L" format ")); };
        const cwtest::SheetSnapshot now = Snapshot();
        for (size_t i = 0; i < now.cells.size(); ++i)
            EXPECT_TRUE(content(now.cells[i]) == content(before.cells[i]) ||
                        content(now.cells[i]) == content(after.cells[i]))
                << std::string(now.cells[i].begin(), now.cells[i].end());
        if (failed) {
            EXPECT_TRUE(m_lastRun.Undoable()) << "what is not back stays to try again";
            EXPECT_EQ(UndoLast().cellsLeft, 0);
        }
        ASSERT_TRUE(cwtest::SameSheet(before, Snapshot()));
    }
}

}  // namespace
