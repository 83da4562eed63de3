#include "host/excel/Csv.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

namespace host {
namespace {

class CsvTest : public ::testing::Test {
protected:
    Sheet sheet{L"Sheet1", L"Book1"};
};

TEST_F(CsvTest, UnquotedFieldsAreReadAsTypedAndQuotedFieldsAsText)
{
    ImportCsvText(sheet, L"1.5,\"1.5\",TRUE,=A1*2,2024-01-31,,'007\r\n\"a,b\",\"say \"\"hi\"\"\",\"\",\"=B1\",\"'=x\"\r\n");
    EXPECT_EQ(sheet.At(L"A1").value, CellValue::Number(1.5));
    EXPECT_EQ(sheet.At(L"B1").value, CellValue::Text(L"1.5"));
    EXPECT_EQ(sheet.At(L"C1").value, CellValue::Boolean(true));
    EXPECT_TRUE(sheet.At(L"D1").hasFormula);
    EXPECT_EQ(sheet.At(L"D1").formula, L"=A1*2");
    EXPECT_EQ(sheet.DisplayText(1, 5), L"1/31/2024");
    EXPECT_TRUE(sheet.At(L"F1").IsEmpty());
    EXPECT_EQ(sheet.At(L"G1").value, CellValue::Text(L"007"));
    EXPECT_TRUE(sheet.At(L"G1").prefixed);
    EXPECT_EQ(sheet.At(L"A2").value, CellValue::Text(L"a,b"));
    EXPECT_EQ(sheet.At(L"B2").value, CellValue::Text(L"say \"hi\""));
    EXPECT_EQ(sheet.At(L"C2").value, CellValue::Text(L""));
    EXPECT_EQ(sheet.At(L"D2").formula, L"=B1");
    EXPECT_EQ(sheet.At(L"E2").value, CellValue::Text(L"=x"));
}

TEST_F(CsvTest, QuotedFieldsMaySpanLinesAndLineEndsMayBeBare)
{
    ImportCsvText(sheet, L"\"line 1\nline 2\",x\ny,z");
    EXPECT_EQ(sheet.At(L"A1").value, CellValue::Text(L"line 1\nline 2"));
    EXPECT_EQ(sheet.At(L"A2").value, CellValue::Text(L"y"));
    EXPECT_EQ(sheet.At(L"B2").value, CellValue::Text(L"z"));
}

TEST_F(CsvTest, ImportReplacesWhatTheSheetHeld)
{
    sheet.SetText(L"Z99", L"old");
    ImportCsvText(sheet, L"new\r\n");
    EXPECT_TRUE(sheet.At(L"Z99").IsEmpty());
    EXPECT_EQ(sheet.At(L"A1").value, CellValue::Text(L"new"));
}

TEST_F(CsvTest, BrokenQuotingIsReported)
{
    EXPECT_THROW(ImportCsvText(sheet, L"\"open"), std::runtime_error);
    EXPECT_THROW(ImportCsvText(sheet, L"\"a\"b,c"), std::runtime_error);
}

TEST_F(CsvTest, ExportQuotesTextsAndRoundTrips)
{
    sheet.SetText(L"A1", L"plain");
    sheet.SetText(L"B1", L"12");
    sheet.SetNumber(L"C1", 0.1);
    sheet.SetDate(L"A2", 2024, 1, 31);
    sheet.SetFormula(L"B2", L"=SUM(A1,B1)");
    sheet.SetText(L"C2", L"=not a formula");
    sheet.SetError(L"D2", 2042);
    std::wstring text = ExportCsvText(sheet);
    EXPECT_EQ(text, L"\"plain\",\"12\",0.1,\r\n1/31/2024,\"=SUM(A1,B1)\",\"'=not a formula\",#N/A\r\n");
    Sheet copy(L"Copy", L"Book1");
    ImportCsvText(copy, text);
    for (long r = 1; r <= 2; ++r) {
        for (long c = 1; c <= 4; ++c) {
            EXPECT_EQ(copy.At(r, c).value, sheet.At(r, c).value) << r << "," << c;
            EXPECT_EQ(copy.At(r, c).formula, sheet.At(r, c).formula);
            EXPECT_EQ(copy.DisplayText(r, c), sheet.DisplayText(r, c));
        }
    }
}

TEST_F(CsvTest, FilesAreUtf8WithOrWithoutAByteOrderMark)
{
    wchar_t folder[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
    std::wstring path = std::wstring(folder) + L"cw-host-test.csv";
    sheet.SetText(L"A1", L"caf\u00E9 \u20AC");
    sheet.SetNumber(L"B1", 3);
    ExportCsv(sheet, path);
    Sheet back(L"Back", L"Book1");
    ImportCsv(back, path);
    EXPECT_EQ(back.At(L"A1").value, CellValue::Text(L"caf\u00E9 \u20AC"));
    EXPECT_EQ(back.At(L"B1").value, CellValue::Number(3));

    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fputs("\xEF\xBB\xBF" "x,\xC3\xA9\r\n", file);
    std::fclose(file);
    ImportCsv(back, path);
    EXPECT_EQ(back.At(L"A1").value, CellValue::Text(L"x"));
    EXPECT_EQ(back.At(L"B1").value, CellValue::Text(L"\u00E9"));

    file = _wfopen(path.c_str(), L"wb");
    std::fputs("\xFF\xFE", file);
    std::fclose(file);
    EXPECT_THROW(ImportCsv(back, path), std::runtime_error);
    DeleteFileW(path.c_str());
    EXPECT_THROW(ImportCsv(back, path), std::runtime_error);
}

}  // namespace
}  // namespace host
