#include "host/excel/Address.h"
#include "host/excel/AreaSet.h"

#include <gtest/gtest.h>

namespace host {
namespace {

std::wstring A1(const std::wstring& reference, AddressOptions options = {})
{
    auto parsed = ParseReference(reference);
    EXPECT_TRUE(parsed.has_value());
    return parsed ? FormatAddress(parsed->areas, options) : L"";
}

TEST(AddressTest, ColumnLettersRunFromAToXfdAndBack)
{
    EXPECT_EQ(ColumnLetters(1), L"A");
    EXPECT_EQ(ColumnLetters(26), L"Z");
    EXPECT_EQ(ColumnLetters(27), L"AA");
    EXPECT_EQ(ColumnLetters(702), L"ZZ");
    EXPECT_EQ(ColumnLetters(703), L"AAA");
    EXPECT_EQ(ColumnLetters(16384), L"XFD");
    EXPECT_EQ(ColumnLetters(16385), L"");
    EXPECT_EQ(ColumnFromLetters(L"xfd"), 16384);
    EXPECT_EQ(ColumnFromLetters(L"XFE"), 0);
    EXPECT_EQ(ColumnFromLetters(L"A1"), 0);
}

TEST(AddressTest, AbsoluteA1FormsAreThoseExcelWrites)
{
    EXPECT_EQ(A1(L"a1"), L"$A$1");
    EXPECT_EQ(A1(L"C3:A1"), L"$A$1:$C$3");
    EXPECT_EQ(A1(L"A1:C3,E5"), L"$A$1:$C$3,$E$5");
    EXPECT_EQ(A1(L"A:A"), L"$A:$A");
    EXPECT_EQ(A1(L"B:D"), L"$B:$D");
    EXPECT_EQ(A1(L"1:1"), L"$1:$1");
    EXPECT_EQ(A1(L"A1:XFD1048576"), L"$1:$1048576");
    EXPECT_EQ(A1(L"A1:A1048576"), L"$A:$A");
}

TEST(AddressTest, RelativeAndMixedA1FormsDropTheDollars)
{
    AddressOptions relative;
    relative.rowAbsolute = false;
    relative.columnAbsolute = false;
    EXPECT_EQ(A1(L"$B$2:$C$3", relative), L"B2:C3");
    EXPECT_EQ(A1(L"A:A", relative), L"A:A");
    AddressOptions rowOnly;
    rowOnly.columnAbsolute = false;
    EXPECT_EQ(A1(L"B2", rowOnly), L"B$2");
}

TEST(AddressTest, R1C1FormsCountFromTheRelativeOrigin)
{
    AddressOptions r1c1;
    r1c1.style = ReferenceStyle::R1C1;
    EXPECT_EQ(A1(L"B3", r1c1), L"R3C2");
    EXPECT_EQ(A1(L"A1:C3,E5", r1c1), L"R1C1:R3C3,R5C5");
    EXPECT_EQ(A1(L"B:B", r1c1), L"C2");
    EXPECT_EQ(A1(L"2:4", r1c1), L"R2:R4");
    r1c1.rowAbsolute = false;
    r1c1.columnAbsolute = false;
    r1c1.relativeToRow = 3;
    r1c1.relativeToColumn = 3;
    EXPECT_EQ(A1(L"A1", r1c1), L"R[-2]C[-2]");
    EXPECT_EQ(A1(L"C3", r1c1), L"RC");
    EXPECT_EQ(A1(L"D5", r1c1), L"R[2]C[1]");
}

TEST(AddressTest, ExternalAddressNamesBookAndSheetQuotingNamesWithBlanks)
{
    AddressOptions external;
    external.external = true;
    external.workbookName = L"Book1";
    external.sheetName = L"Sheet1";
    EXPECT_EQ(A1(L"A1", external), L"[Book1]Sheet1!$A$1");
    external.sheetName = L"My Data";
    EXPECT_EQ(A1(L"A1", external), L"'[Book1]My Data'!$A$1");
    EXPECT_EQ(QuoteSheetName(L"O'Hara"), L"'O''Hara'");
}

TEST(AddressTest, SheetPrefixesAreReadAndMustAgree)
{
    auto parsed = ParseReference(L"'My ''Data'!$B$2:C3");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->sheetName, L"My 'Data");
    EXPECT_EQ(parsed->areas.front(), (Area{2, 2, 3, 3}));
    auto external = ParseReference(L"[Book1]Sheet2!A1");
    ASSERT_TRUE(external);
    EXPECT_EQ(external->sheetName, L"Sheet2");
    EXPECT_FALSE(ParseReference(L"Sheet1!A1,Sheet2!B2"));
}

TEST(AddressTest, TextThatIsNoReferenceIsRefused)
{
    for (const wchar_t* bad : {L"", L"A", L"1", L"A0", L"A1:", L"A1:B", L"XFE1", L"A1048577", L"A$", L"A1,,B2",
                               L"hello", L"$A$1$", L"A1:1"}) {
        EXPECT_FALSE(ParseReference(bad)) << std::string(bad, bad + wcslen(bad));
    }
}

TEST(AreaSetTest, UnionJoinsNeighbouringRowsAndDropsOverlaps)
{
    // Rows 2, 4 and 5 of A:C, added one at a time as a client building a selection does.
    std::vector<Area> rows = {{2, 1, 2, 3}, {4, 1, 4, 3}, {5, 1, 5, 3}};
    EXPECT_EQ(FormatAddress(UnionOfAreas(rows), {}), L"$A$2:$C$2,$A$4:$C$5");
    std::vector<Area> overlapping = {{1, 1, 2, 2}, {2, 2, 3, 3}};
    auto joined = UnionOfAreas(overlapping);
    std::int64_t cells = 0;
    for (const auto& a : joined) cells += a.CellCount();
    EXPECT_EQ(cells, 7);
    EXPECT_EQ(FormatAddress(UnionOfAreas({{1, 1, 1, 1}, {1, 2, 1, 2}}), {}), L"$A$1:$B$1");
}

TEST(AreaSetTest, UnionOfThousandsOfSeparateRowsKeepsEachRowInItsPlace)
{
    // A client selecting every other row of a long list, many rows at a time.
    std::vector<Area> rows;
    for (long r = 1; r <= 20000; r += 2) rows.push_back({r, 1, r, 3});
    std::vector<Area> joined = UnionOfAreas(rows);
    ASSERT_EQ(joined.size(), rows.size());
    EXPECT_EQ(joined.front(), rows.front());
    EXPECT_EQ(joined.back(), rows.back());
    // Adding the rows between joins everything into one area.
    for (long r = 2; r <= 20000; r += 2) rows.push_back({r, 1, r, 3});
    EXPECT_EQ(FormatAddress(UnionOfAreas(rows), {}), L"$A$1:$C$20000");
}

TEST(AreaSetTest, IntersectionOfDisjointAreasIsEmpty)
{
    EXPECT_TRUE(IntersectionOfAreas({{1, 1, 2, 2}}, {{3, 3, 4, 4}}).empty());
    EXPECT_EQ(FormatAddress(IntersectionOfAreas({{1, 1, 5, 5}}, {{3, 3, 9, 9}, {1, 5, 1, 9}}), {}), L"$C$3:$E$5,$E$1");
}

}  // namespace
}  // namespace host
