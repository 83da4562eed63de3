// The status bar's lines: grouped digits with any separator, counts in words, progress, stop and outcome.
#include <gtest/gtest.h>

#include "tools/status/StatusLines.h"

namespace {

using status::StatusLines;

TEST(StatusLines, digits_are_grouped_by_three_with_the_separator_given) {
    struct Case {
        long long number;
        const wchar_t* separator;
        const wchar_t* text;
    };
    const Case cases[] = {{0, L",", L"0"},          {999, L",", L"999"},           {1000, L",", L"1,000"},
                          {1204, L",", L"1,204"},   {100000, L",", L"100,000"},    {1234567, L".", L"1.234.567"},
                          {-45000, L",", L"-45,000"}, {1048576, L"\u00A0", L"1\u00A0048\u00A0576"},
                          {12345, L"", L"12345"}};
    for (const Case& c : cases) EXPECT_EQ(status::GroupDigits(c.number, c.separator), c.text) << c.number;
}

TEST(StatusLines, each_line_names_the_tool_and_says_what_happened_in_plain_words) {
    StatusLines lines(L",");
    EXPECT_EQ(lines.Progress(L"Change Case", 45000, 100000), L"Change Case: 45% (45,000 of 100,000 rows)");
    EXPECT_EQ(lines.Progress(L"Change Case", 2, 3), L"Change Case: 66% (2 of 3 rows)");
    EXPECT_EQ(lines.Stopped(L"Change Case", 45000, 100000, lines.CellsChanged(1204, L"$A:$C")),
              L"Change Case: stopped at row 45,000 of 100,000; 1,204 cells changed in $A:$C");
    EXPECT_EQ(StatusLines::Finished(L"Remove Characters", lines.CellsChanged(0, L"$A$1")),
              L"Remove Characters: no cells changed in $A$1");
    EXPECT_EQ(lines.CellsChanged(1, L"$B$2:$C$3"), L"1 cell changed in $B$2:$C$3");
    EXPECT_EQ(lines.CellsChanged(7, L""), L"7 cells changed");
    // A long list of areas is cut after the last whole area that fits.
    std::wstring areas;
    for (int i = 1; i <= 12; ++i) areas += (i > 1 ? L",$A$" : L"$A$") + std::to_wstring(i * 1000);
    EXPECT_EQ(lines.CellsChanged(2, areas), L"2 cells changed in $A$1000,$A$2000,$A$3000,$A$4000,$A$5000,$A$6000,$A$7000,...");
}

}  // namespace
