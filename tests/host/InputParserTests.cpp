#include "host/excel/InputParser.h"

#include <gtest/gtest.h>

namespace host {
namespace {

ParsedInput Typed(const wchar_t* text) { return ParseInput(text, L"General"); }

void ExpectNumber(const wchar_t* text, double expected, const wchar_t* format = nullptr)
{
    ParsedInput input = Typed(text);
    SCOPED_TRACE(std::string(text, text + wcslen(text)));
    ASSERT_EQ(input.value.type, ValueType::Number);
    EXPECT_DOUBLE_EQ(input.value.number, expected);
    EXPECT_FALSE(input.isFormula);
    if (format) {
        ASSERT_TRUE(input.numberFormat.has_value());
        EXPECT_EQ(*input.numberFormat, format);
    } else {
        EXPECT_FALSE(input.numberFormat.has_value());
    }
}

void ExpectText(const wchar_t* text, const wchar_t* stored)
{
    ParsedInput input = Typed(text);
    SCOPED_TRACE(std::string(text, text + wcslen(text)));
    ASSERT_EQ(input.value.type, ValueType::Text);
    EXPECT_EQ(input.value.text, stored);
    EXPECT_FALSE(input.isFormula);
}

TEST(ParseOnAssignTest, NumbersAreReadAsExcelReadsATypedEntry)
{
    ExpectNumber(L"42", 42);
    ExpectNumber(L" 42 ", 42);
    ExpectNumber(L"00123", 123);
    ExpectNumber(L"+7", 7);
    ExpectNumber(L".5", 0.5);
    ExpectNumber(L"-1.5E3", -1500, L"0.00E+00");
    ExpectNumber(L"1E5", 100000, L"0.00E+00");
    ExpectNumber(L"1,234", 1234, L"#,##0");
    ExpectNumber(L"-1,234.5", -1234.5, L"#,##0.00");
    ExpectNumber(L"12%", 0.12, L"0%");
    ExpectNumber(L"12.5%", 0.125, L"0.00%");
    ExpectNumber(L"$12.50", 12.5, L"$#,##0.00");
    ExpectNumber(L"-$3", -3, L"$#,##0");
    ExpectNumber(L"(12)", -12);
}

TEST(ParseOnAssignTest, NumbersKeepFifteenSignificantDigits)
{
    ExpectNumber(L"1234567890123456789", 1234567890123450000.0);
    ExpectNumber(L"0.1234567890123456789", 0.123456789012345);
}

TEST(ParseOnAssignTest, MalformedNumbersStayText)
{
    ExpectText(L"1,23", L"1,23");
    ExpectText(L"1.2.3", L"1.2.3");
    ExpectText(L"12a", L"12a");
    ExpectText(L"1E", L"1E");
    ExpectText(L"$", L"$");
    ExpectText(L"-", L"-");
    ExpectText(L" ", L" ");
}

TEST(ParseOnAssignTest, DatesAndTimesBecomeSerialNumbersWithADateFormat)
{
    ExpectNumber(L"2024-01-31", 45322, L"m/d/yyyy");
    ExpectNumber(L"1/31/2024", 45322, L"m/d/yyyy");
    ExpectNumber(L"1/31/24", 45322, L"m/d/yyyy");
    ExpectNumber(L"31-Jan-2024", 45322, L"d-mmm-yy");
    ExpectNumber(L"Jan 31, 2024", 45322, L"d-mmm-yy");
    ExpectNumber(L"13:45", (13 * 60 + 45) / 1440.0, L"h:mm");
    ExpectNumber(L"1:30 PM", 13.5 / 24, L"h:mm AM/PM");
    ExpectNumber(L"1/31/2024 12:00", 45322.5, L"m/d/yyyy h:mm");
    ExpectText(L"2/30/2024", L"2/30/2024");
    ExpectText(L"13/1/2024", L"13/1/2024");
    ExpectText(L"25:00", L"25:00");
}

TEST(ParseOnAssignTest, BooleansAndErrorValuesInAnyCase)
{
    EXPECT_EQ(Typed(L"true").value, CellValue::Boolean(true));
    EXPECT_EQ(Typed(L"FALSE").value, CellValue::Boolean(false));
    EXPECT_EQ(Typed(L" True ").value, CellValue::Boolean(true));
    ExpectText(L"yes", L"yes");
    EXPECT_EQ(Typed(L"#n/a").value, CellValue::Error(xl::ErrNA));
    EXPECT_EQ(Typed(L"#DIV/0!").value, CellValue::Error(xl::ErrDiv0));
}

TEST(ParseOnAssignTest, FormulasStartWithAnEqualsSignOrASignBeforeText)
{
    ParsedInput formula = Typed(L"=A1+1");
    EXPECT_TRUE(formula.isFormula);
    EXPECT_EQ(formula.formula, L"=A1+1");
    ParsedInput minus = Typed(L"-abc");
    EXPECT_TRUE(minus.isFormula);
    EXPECT_EQ(minus.formula, L"=-abc");
    ExpectText(L"=", L"=");
    ExpectText(L" =A1", L" =A1");
}

TEST(ParseOnAssignTest, AnApostropheKeepsTheRestAsTextAndIsRemembered)
{
    ParsedInput number = Typed(L"'123");
    EXPECT_EQ(number.value, CellValue::Text(L"123"));
    EXPECT_TRUE(number.prefixed);
    ParsedInput formula = Typed(L"'=A1");
    EXPECT_EQ(formula.value, CellValue::Text(L"=A1"));
    EXPECT_FALSE(formula.isFormula);
    ParsedInput alone = Typed(L"'");
    EXPECT_EQ(alone.value, CellValue::Text(L""));
    EXPECT_TRUE(alone.prefixed);
}

TEST(ParseOnAssignTest, TheEmptyStringEmptiesTheCell)
{
    ParsedInput input = Typed(L"");
    EXPECT_TRUE(input.value.IsEmpty());
    EXPECT_FALSE(input.isFormula);
    EXPECT_FALSE(input.prefixed);
}

TEST(ParseOnAssignTest, TextFormattedCellsKeepEveryEntryAsText)
{
    EXPECT_EQ(ParseInput(L"123", L"@").value, CellValue::Text(L"123"));
    ParsedInput formula = ParseInput(L"=A1", L"@");
    EXPECT_FALSE(formula.isFormula);
    EXPECT_EQ(formula.value, CellValue::Text(L"=A1"));
}

}  // namespace
}  // namespace host
