#include "host/excel/DateSerial.h"
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

// One entry read by English (United States) and by German rules: each language's booleans, separators,
// currency, date order and month names, and none of the other's.
TEST(ParseOnAssignTest, EachLanguageReadsItsOwnBooleansNumbersAndDates)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto date = [](int year, int month, int day) { return CellValue::Number(*SerialFromDate(year, month, day)); };
    const CellValue december5 = date(now.wYear, 12, 5);
    struct Case {
        const wchar_t* text;
        CellValue english;
        CellValue german;
    };
    const Case cases[] = {
        {L"wahr", CellValue::Text(L"wahr"), CellValue::Boolean(true)},
        {L"FALSCH", CellValue::Text(L"FALSCH"), CellValue::Boolean(false)},
        {L"true", CellValue::Boolean(true), CellValue::Text(L"true")},
        {L"1,5", CellValue::Text(L"1,5"), CellValue::Number(1.5)},
        {L"1.234,5", CellValue::Text(L"1.234,5"), CellValue::Number(1234.5)},
        {L"12,50 \u20AC", CellValue::Text(L"12,50 \u20AC"), CellValue::Number(12.5)},
        {L"31.1.2024", CellValue::Text(L"31.1.2024"), date(2024, 1, 31)},
        {L"1/31/2024", date(2024, 1, 31), CellValue::Text(L"1/31/2024")},
        {L"mai 2024", CellValue::Text(L"mai 2024"), date(2024, 5, 1)},
        {L"May 2024", date(2024, 5, 1), CellValue::Text(L"May 2024")},
        {L"M\u00C4R 2024", CellValue::Text(L"M\u00C4R 2024"), date(2024, 3, 1)},
        {L"dez 5", CellValue::Text(L"dez 5"), december5},
        {L"5. Dez", CellValue::Text(L"5. Dez"), december5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(ParseInput(c.text, L"General", InputLocale::EnglishUnitedStates()).value, c.english);
        EXPECT_EQ(ParseInput(c.text, L"General", InputLocale::German()).value, c.german);
    }
    EXPECT_EQ(&InputLocale::For(0x0C07), &InputLocale::German()) << "German of Austria";
    EXPECT_EQ(&InputLocale::For(0x040C), &InputLocale::EnglishUnitedStates()) << "French is read as English";
}

}  // namespace
}  // namespace host
