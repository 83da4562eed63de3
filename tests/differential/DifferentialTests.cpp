// One road at every size: each tool with each option runs on a sheet of tricky rows, once on rows 1 to 1000
// and once on a bigger selection that contains them (whole columns, past the size limit); the first 1000
// rows must end the same: every cell's value, formula and format, the fills, the merged areas and the
// selection. A tool that fails must fail the same way on both. Every row runs on the grid of Excel 2003
// (65,536 rows by 256 columns, so that whole columns and rows are smaller) and on today's.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tests/support/TrickySheet.h"
#include "tools/cleanup/CleanupEngines.h"
#include "tools/duplicates/RemoveDuplicates.h"
#include "tools/duplicates/RowKey.h"
#include "tools/merge/JoinTexts.h"
#include "tools/merge/MergeSelection.h"

namespace {

constexpr long kRows = 1100;
constexpr long kColumns = 7;
constexpr long kCompared = 1000;

using ToolRun = std::function<void(const sheet::Application& app)>;

struct Row {
    std::string tool;
    ToolRun run;
    std::wstring within;  // rows 1 (or `first`) to 1000
    std::wstring beyond;  // a bigger selection containing them
    long first = 1;       // the first row compared: the first row of `within`
    bool mergedByFour = false;  // column G merged four rows at a time from row 9, so that bands end beside them
};

ToolRun ChangeCase(cleanup::CaseMode mode) {
    return [mode](const sheet::Application& app) { cleanup::RunChangeCase(app, mode); };
}

ToolRun RemoveCharacters(cleanup::RemoveMode mode) {
    return [mode](const sheet::Application& app) { cleanup::RunRemoveCharacters(app, mode); };
}

ToolRun RemoveDuplicates(duplicates::DupAction action, std::vector<UINT> keys) {
    return [action, keys](const sheet::Application& app) {
        duplicates::RunRemoveDuplicates(app, app.Selection(), keys, action, 0x00FF00);
    };
}

ToolRun MergeCellText(merge::MergeTarget target, bool mergeCells, bool clearSources) {
    return [=](const sheet::Application& app) {
        merge::MergeRequest request;
        request.target = target;
        request.separator = L", ";
        request.mergeCells = mergeCells;
        request.clearSources = clearSources;
        merge::MergeSelection(app, request);
    };
}

std::vector<Row> Table() {
    std::vector<Row> rows;
    const char* const caseNames[] = {"upper", "lower", "first upper", "first upper rest lower", "each word"};
    for (cleanup::CaseMode mode : cleanup::kCaseModes)
        rows.push_back({std::string("Change Case, ") + caseNames[static_cast<int>(mode)], ChangeCase(mode),
                        L"$A$1:$G$1000", L"$A:$G"});
    const char* const removeNames[] = {"leading", "trailing", "both ends", "non-printing", "no-break spaces"};
    for (cleanup::RemoveMode mode : cleanup::kRemoveModes)
        rows.push_back({std::string("Remove Characters, ") + removeNames[static_cast<int>(mode)],
                        RemoveCharacters(mode), L"$A$1:$G$1000", L"$A:$G"});
    const char* const actionNames[] = {"Select", "Color", "Delete"};
    for (duplicates::DupAction action :
         {duplicates::DupAction::Select, duplicates::DupAction::Color, duplicates::DupAction::Delete}) {
        const std::string name = std::string("Remove Duplicates, ") + actionNames[static_cast<int>(action)];
        // One column: keyed on what the cells show; F is too narrow for its numbers.
        for (wchar_t letter : {L'B', L'F'}) {
            const std::wstring column(1, letter);
            rows.push_back({name + ", column " + std::string(1, static_cast<char>(letter)), RemoveDuplicates(action, {0}),
                            L"$" + column + L"$1:$" + column + L"$1000", L"$" + column + L":$" + column});
        }
        rows.push_back({name + ", columns B, D and E", RemoveDuplicates(action, {1, 3, 4}), L"$A$1:$G$1000", L"$A:$G"});
        rows.push_back({name + ", all columns, against whole rows", RemoveDuplicates(action, {0, 1, 2, 3, 4, 5, 6}),
                        L"$A$1:$G$1000", L"$1:$1100"});
    }
    // Merge Cell Text: rows join alike under rows 1:1000 and whole columns, and stop alike at row 194, whose
    // 32,767 characters leave no room for more. Columns and areas join the rows selected, so their bigger
    // selection is the whole rows, clipped to the used range; rows 1:190 hold no text that long.
    const struct {
        const char* name;
        merge::MergeTarget target;
        const wchar_t* within;
        const wchar_t* beyond;
    } merges[] = {
        {"by row, left cells", merge::MergeTarget::LeftCells, L"$A$1:$G$1000", L"$A:$G"},
        {"by row, right cells", merge::MergeTarget::RightCells, L"$A$1:$G$1000", L"$A:$G"},
        {"by column, top cells", merge::MergeTarget::TopCells, L"$A$1:$G$190", L"$1:$190"},
        {"by column, bottom cells", merge::MergeTarget::BottomCells, L"$A$1:$G$190", L"$1:$190"},
        {"in one cell, top-left", merge::MergeTarget::TopLeftCell, L"$A$1:$G$190", L"$1:$190"},
        {"in one cell, bottom-right", merge::MergeTarget::BottomRightCell, L"$A$1:$G$190", L"$1:$190"},
    };
    for (const auto& m : merges) {
        const std::string name = std::string("Merge Cell Text, ") + m.name;
        rows.push_back({name + ", merged", MergeCellText(m.target, true, false), m.within, m.beyond});
        rows.push_back({name + ", cleared", MergeCellText(m.target, false, true), m.within, m.beyond});
        rows.push_back({name + ", sources kept", MergeCellText(m.target, false, false), m.within, m.beyond});
    }
    // Selections away from row 1 over a sheet with merged areas all down column G: the bands of rows 7:1000 and
    // of whole columns end in other places, and must not cut them.
    for (const auto& m : {merges[0], merges[1]}) {
        const std::string name = std::string("Merge Cell Text from row 7 beside merged areas, ") + m.name;
        rows.push_back({name + ", merged", MergeCellText(m.target, true, false), L"$A$7:$G$1000", L"$A:$G", 7, true});
        rows.push_back({name + ", cleared", MergeCellText(m.target, false, true), L"$A$7:$G$1000", L"$A:$G", 7, true});
    }
    rows.push_back({"Change Case, upper, from row 7 beside merged areas", ChangeCase(cleanup::CaseMode::Upper),
                    L"$A$7:$G$1000", L"$A:$G", 7, true});
    return rows;
}

void MergeByFour(host::Sheet& sheet, long column) {
    for (long top = 9; top + 3 <= kRows; top += 4) {
        for (long r = top + 1; r <= top + 3; ++r) sheet.ClearCell(host::ColumnLetters(column) + std::to_wstring(r));
        sheet.MergeCells(host::ColumnLetters(column) + std::to_wstring(top) + L":" + host::ColumnLetters(column) +
                         std::to_wstring(top + 3));
    }
}

// A fresh Excel with the tricky sheet, the tool run on the selection; what failed, if anything.
struct Outcome {
    std::shared_ptr<host::Excel> excel;
    std::wstring failure;
};

Outcome RunOn(const Row& row, const std::wstring& selection, const wchar_t* version) {
    const ToolRun& run = row.run;
    Outcome outcome{host::Excel::Create(), {}};
    outcome.excel->SetVersion(version);
    cwtest::FillTrickyRows(outcome.excel->ActiveSheet(), kRows, kColumns);
    if (row.mergedByFour) MergeByFour(outcome.excel->ActiveSheet(), kColumns);
    outcome.excel->Select(selection);
    framework::ComPtr<IDispatch> appObject = outcome.excel->Application();
    try {
        run(sheet::Application(framework::ComPtr<IDispatch>(appObject.Get())));
    } catch (const sheet::CAutomationError& error) {
        outcome.failure = error.Description();
    }
    return outcome;
}

bool Selected(const host::Excel& excel, long row, long column) {
    const host::Range selection = excel.Selection();
    for (const host::Area& area : selection.Areas())
        if (area.Contains(row, column)) return true;
    return false;
}

std::vector<std::string> MergedWithinCompared(const host::Sheet& sheet, long first) {
    std::vector<std::string> merged;
    for (const host::Area& area : sheet.MergedAreas())
        if (area.top <= kCompared && area.bottom >= first)
            merged.push_back(std::to_string(area.top) + "," + std::to_string(area.left) + ":" +
                             std::to_string(area.bottom) + "," + std::to_string(area.right));
    return merged;
}

TEST(OneRoad, every_tool_and_option_leaves_rows_1_to_1000_alike_whether_they_or_more_are_selected) {
    const long liveBefore = host::LiveObjects();
    for (const Row& row : Table()) for (const wchar_t* version : {L"11.0", L"14.0"}) {
        SCOPED_TRACE(row.tool + (version[1] == L'1' ? " under Excel 2003" : " under Excel 2010"));
        const Outcome within = RunOn(row, row.within, version);
        const Outcome beyond = RunOn(row, row.beyond, version);
        EXPECT_EQ(within.failure, beyond.failure);
        const host::Sheet& a = within.excel->ActiveSheet();
        const host::Sheet& b = beyond.excel->ActiveSheet();
        int differences = 0;
        for (long r = row.first; r <= kCompared && differences < 5; ++r) {
            for (long c = 1; c <= kColumns + 1; ++c) {
                const std::string expected = cwtest::DescribeCell(a.At(r, c));
                const std::string got = cwtest::DescribeCell(b.At(r, c));
                // The selections differ in the columns the used range does not cover.
                const bool selectedAlike =
                    c > kColumns || Selected(*within.excel, r, c) == Selected(*beyond.excel, r, c);
                if (expected == got && selectedAlike) continue;
                ++differences;
                ADD_FAILURE() << "row " << r << ", column " << c << ": " << expected << " against " << got
                              << (selectedAlike ? "" : ", selected differently");
            }
        }
        EXPECT_EQ(MergedWithinCompared(a, row.first), MergedWithinCompared(b, row.first));
    }
    EXPECT_EQ(host::LiveObjects(), liveBefore);
}

// Numbers that show alike while their values differ, and alike values that show differently: A under General
// (rows 400 to 599 under "0.0"), B under "0.00", C dates with times under "m/d/yyyy", D in a column too narrow
// for most of them ("###"). Every cell holds a number, so that every row joins into a text of its own.
void FillShownNumbers(host::Sheet& sheet) {
    sheet.SetNumberFormat(L"A400:A599", L"0.0");
    sheet.SetNumberFormat(L"B1:B1100", L"0.00");
    sheet.SetNumberFormat(L"C1:C1100", L"m/d/yyyy");
    sheet.SetColumnWidth(4, 3);
    for (long r = 1; r <= kRows; ++r) {
        const std::wstring row = std::to_wstring(r);
        sheet.SetNumber(L"A" + row, 1 + (r % 7) / 3.0);
        sheet.SetNumber(L"B" + row, r % 5 + 0.001 * (r % 3));
        sheet.SetNumber(L"C" + row, 45000 + r % 6 + 0.25 * (r % 2));
        sheet.SetNumber(L"D" + row, r % 10 == 0 ? 5 : 1000 + r % 4);
    }
}

// The rows of a column that Remove Duplicates should find, keyed on each cell's own Range.Text.
std::set<long> DuplicatesAsAsked(const host::Sheet& sheet, long column, long lastRow) {
    std::set<std::string> seen;
    std::set<long> duplicates;
    for (long r = 1; r <= lastRow; ++r) {
        duplicates::RowKey key;
        VARIANT value;
        value.vt = VT_R8;
        value.dblVal = sheet.At(r, column).value.number;
        key.AddDisplayed(sheet.DisplayText(r, column), [&]() -> const VARIANT& { return value; });
        const std::string taken = key.Take();
        if (!taken.empty() && !seen.insert(taken).second) duplicates.insert(r);
    }
    return duplicates;
}

std::wstring JoinedAsAsked(const host::Sheet& sheet, long row, long column, bool byRow, long count) {
    merge::JoinedText join(byRow ? merge::JoinRule::BetweenNonEmpty : merge::JoinRule::FromFirst, L", ");
    for (long i = 0; i < count; ++i) join.Add(byRow ? sheet.DisplayText(row, column + i) : sheet.DisplayText(row + i, column));
    return join.Take();
}

TEST(OneRoad, numbers_under_several_formats_find_the_duplicates_and_join_the_texts_that_asking_every_cell_gives) {
    const long liveBefore = host::LiveObjects();
    const ToolRun selectDuplicates = RemoveDuplicates(duplicates::DupAction::Select, {0});
    for (long column = 1; column <= 4; ++column) {
        const std::wstring letter(1, static_cast<wchar_t>(L'A' + column - 1));
        for (const auto& [selection, lastRow] :
             {std::make_pair(L"$" + letter + L"$1:$" + letter + L"$1000", kCompared),
              std::make_pair(L"$" + letter + L":$" + letter, kRows)}) {
            SCOPED_TRACE(std::string(selection.begin(), selection.end()));
            Outcome outcome{host::Excel::Create(), {}};
            FillShownNumbers(outcome.excel->ActiveSheet());
            const std::set<long> expected = DuplicatesAsAsked(outcome.excel->ActiveSheet(), column, lastRow);
            ASSERT_FALSE(expected.empty());
            outcome.excel->Select(selection);
            framework::ComPtr<IDispatch> appObject = outcome.excel->Application();
            selectDuplicates(sheet::Application(framework::ComPtr<IDispatch>(appObject.Get())));
            std::set<long> found;
            for (long r = 1; r <= kRows; ++r)
                if (Selected(*outcome.excel, r, column)) found.insert(r);
            EXPECT_EQ(found, expected);
        }
    }
    for (const bool byRow : {true, false}) {
        SCOPED_TRACE(byRow ? "merged by row" : "merged by column");
        Outcome outcome{host::Excel::Create(), {}};
        host::Sheet& sheet = outcome.excel->ActiveSheet();
        FillShownNumbers(sheet);
        std::vector<std::wstring> expected;
        for (long i = 1; i <= (byRow ? kRows : 4); ++i)
            expected.push_back(byRow ? JoinedAsAsked(sheet, i, 1, true, 4) : JoinedAsAsked(sheet, 1, i, false, kRows));
        outcome.excel->Select(L"$A:$D");
        framework::ComPtr<IDispatch> appObject = outcome.excel->Application();
        MergeCellText(byRow ? merge::MergeTarget::LeftCells : merge::MergeTarget::TopCells, false, false)(
            sheet::Application(framework::ComPtr<IDispatch>(appObject.Get())));
        for (long i = 1; i <= static_cast<long>(expected.size()); ++i)
            EXPECT_EQ(byRow ? sheet.At(i, 1).value.text : sheet.At(1, i).value.text, expected[static_cast<size_t>(i - 1)])
                << i;
    }
    EXPECT_EQ(host::LiveObjects(), liveBefore);
}

}  // namespace
