#include "host/excel/DateSerial.h"
#include "host/excel/NumberFormat.h"
#include "host/excel/Sheet.h"

#include <gtest/gtest.h>

namespace host {
namespace {

std::wstring General(double value, double width = 1e9) { return FormatGeneral(value, width).value_or(L"<none>"); }
std::wstring Format(double value, const wchar_t* format) { return FormatNumber(value, format).value_or(L"<none>"); }

TEST(GeneralFormatTest, ShowsUpToTenSignificantDigitsInFixedNotation)
{
    EXPECT_EQ(General(0), L"0");
    EXPECT_EQ(General(1234.5), L"1234.5");
    EXPECT_EQ(General(-1234.5), L"-1234.5");
    EXPECT_EQ(General(0.1 + 0.2), L"0.3");
    EXPECT_EQ(General(1.0 / 3), L"0.333333333");
    EXPECT_EQ(General(2.0 / 3), L"0.666666667");
    EXPECT_EQ(General(33.33333333 * 3), L"99.99999999");
    EXPECT_EQ(General(33.333333333 * 3), L"100");
    EXPECT_EQ(General(12345678901), L"12345678901");
    EXPECT_EQ(General(0.0001234567), L"0.000123457");
    EXPECT_EQ(General(0.00001), L"0.00001");
}

TEST(GeneralFormatTest, SwitchesToScientificNotationLikeExcel)
{
    EXPECT_EQ(General(123456789012), L"1.23457E+11");
    EXPECT_EQ(General(1e20), L"1E+20");
    EXPECT_EQ(General(0.00001234567), L"1.23457E-05");
    EXPECT_EQ(General(1e-10), L"1E-10");
    EXPECT_EQ(General(-1.5e-12), L"-1.5E-12");
}

TEST(GeneralFormatTest, NarrowColumnsGetFewerDigitsThenNothing)
{
    EXPECT_EQ(General(1234.5678, 8), L"1234.568");
    EXPECT_EQ(General(123456789, 8), L"1.23E+08");
    EXPECT_EQ(General(1.0000001, 8), L"1");
    EXPECT_EQ(General(0.0001234, 5), L"1E-04");
    EXPECT_FALSE(FormatGeneral(123456, 4));
    EXPECT_EQ(DisplayWidth(L"1/31/2024"), 8);
    EXPECT_EQ(DisplayWidth(L"-1,234.50"), 7.5);
}

TEST(NumberFormatTest, FixedDecimalsRoundHalfAwayFromZeroOnTheShownDigits)
{
    EXPECT_EQ(Format(1.5, L"0.00"), L"1.50");
    EXPECT_EQ(Format(2.675, L"0.00"), L"2.68");
    EXPECT_EQ(Format(-1.005, L"0.00"), L"-1.01");
    EXPECT_EQ(Format(0.004, L"0.00"), L"0.00");
    EXPECT_EQ(Format(-0.004, L"0.00"), L"0.00");
    EXPECT_EQ(Format(9.999, L"0.00"), L"10.00");
    EXPECT_EQ(Format(0.5, L"#.##"), L".5");
    EXPECT_EQ(Format(7, L"0"), L"7");
}

TEST(NumberFormatTest, GroupingPercentScientificAndLiterals)
{
    EXPECT_EQ(Format(1234567.8, L"#,##0"), L"1,234,568");
    EXPECT_EQ(Format(-1234.5, L"#,##0.00"), L"-1,234.50");
    EXPECT_EQ(Format(1234567, L"#,##0,\"K\""), L"1,235K");
    EXPECT_EQ(Format(0.125, L"0%"), L"13%");
    EXPECT_EQ(Format(0.12345, L"0.00%"), L"12.35%");
    EXPECT_EQ(Format(12345, L"0.00E+00"), L"1.23E+04");
    EXPECT_EQ(Format(0.00012, L"0.00E+00"), L"1.20E-04");
    EXPECT_EQ(Format(-5, L"$#,##0.00"), L"-$5.00");
    EXPECT_EQ(Format(123456789, L"000-00-0000"), L"123-45-6789");
}

TEST(NumberFormatTest, SectionsChooseByTheSignOfTheValue)
{
    EXPECT_EQ(Format(-5, L"$#,##0.00_);($#,##0.00)"), L"($5.00)");
    EXPECT_EQ(Format(5, L"$#,##0.00_);($#,##0.00)"), L"$5.00 ");
    EXPECT_EQ(Format(0, L"0;-0;\"zero\""), L"zero");
    EXPECT_EQ(Format(-3, L"0;[Red]0"), L"3");
    EXPECT_EQ(FormatText(L"abc", L"0;0;0;\"<\"@\">\""), L"<abc>");
    EXPECT_EQ(FormatText(L"abc", L"0.00"), L"abc");
}

TEST(NumberFormatTest, DatesAndTimesUseExcelsCalendar)
{
    double serial = *SerialFromDate(2024, 1, 31);
    EXPECT_EQ(serial, 45322);
    EXPECT_EQ(Format(serial, L"m/d/yyyy"), L"1/31/2024");
    EXPECT_EQ(Format(serial, L"dd/mm/yyyy"), L"31/01/2024");
    EXPECT_EQ(Format(serial, L"d-mmm-yy"), L"31-Jan-24");
    EXPECT_EQ(Format(serial, L"dddd, mmmm d, yyyy"), L"Wednesday, January 31, 2024");
    EXPECT_EQ(Format(0.75, L"h:mm AM/PM"), L"6:00 PM");
    EXPECT_EQ(Format(0.5 + 1.0 / 86400, L"hh:mm:ss"), L"12:00:01");
    EXPECT_EQ(Format(1.5, L"[h]:mm"), L"36:00");
    EXPECT_EQ(Format(serial + 0.5, L"m/d/yyyy h:mm"), L"1/31/2024 12:00");
    // Excel's own 29 February 1900, and its day zero.
    EXPECT_EQ(Format(60, L"m/d/yyyy"), L"2/29/1900");
    EXPECT_EQ(Format(61, L"m/d/yyyy"), L"3/1/1900");
    EXPECT_EQ(Format(1, L"m/d/yyyy"), L"1/1/1900");
    EXPECT_EQ(Format(0, L"m/d/yyyy"), L"1/0/1900");
    EXPECT_FALSE(FormatNumber(-1, L"m/d/yyyy"));
    EXPECT_EQ(OleDateFromSerial(45322), 45322);
    EXPECT_EQ(OleDateFromSerial(1), 2);
    EXPECT_EQ(SerialFromOleDate(2), 1);
}

TEST(NumberFormatTest, FormatKindsAreRecognisedOutsideQuotesOnly)
{
    EXPECT_TRUE(IsDateFormat(L"m/d/yyyy"));
    EXPECT_TRUE(IsDateFormat(L"h:mm"));
    EXPECT_FALSE(IsDateFormat(L"\"day\" 0"));
    EXPECT_FALSE(IsDateFormat(L"[Red]0.00"));
    EXPECT_FALSE(IsDateFormat(L"General"));
    EXPECT_TRUE(IsCurrencyFormat(L"$#,##0.00"));
    EXPECT_TRUE(IsCurrencyFormat(L"[$\u20AC-407] #,##0.00"));
    EXPECT_FALSE(IsCurrencyFormat(L"[$-409]m/d/yyyy"));
    EXPECT_FALSE(IsCurrencyFormat(L"\"$\"0"));
}

TEST(DisplayTextTest, NumbersThatDoNotFitTheColumnShowHashes)
{
    // Widths count digits; the standard 8.43 holds eight digits and a slash or two.
    Sheet sheet(L"Sheet1", L"Book1");
    sheet.SetNumber(L"A1", 1234567890);
    EXPECT_EQ(sheet.DisplayText(1, 1), L"1.23E+09");
    sheet.SetNumber(L"A2", 123456.789);
    sheet.SetNumberFormat(L"A2", L"0.00");
    EXPECT_EQ(sheet.DisplayText(2, 1), L"########");
    sheet.SetDate(L"A3", 2024, 1, 31);
    EXPECT_EQ(sheet.DisplayText(3, 1), L"1/31/2024");
    sheet.SetColumnWidth(1, 5);
    EXPECT_EQ(sheet.DisplayText(3, 1), L"#####");
    sheet.SetColumnWidth(2, 3);
    sheet.SetNumber(L"B1", 1234);
    EXPECT_EQ(sheet.DisplayText(1, 2), L"###");
    sheet.SetColumnWidth(3, 0);
    sheet.SetNumber(L"C1", 1);
    EXPECT_EQ(sheet.DisplayText(1, 3), L"#");
}

TEST(DisplayTextTest, TextBooleansAndErrorsShowInFullWhateverTheWidth)
{
    Sheet sheet(L"Sheet1", L"Book1");
    sheet.SetColumnWidth(1, 2);
    sheet.SetText(L"A1", L"a long text");
    sheet.SetBoolean(L"A2", true);
    sheet.SetError(L"A3", xl::ErrDiv0);
    EXPECT_EQ(sheet.DisplayText(1, 1), L"a long text");
    EXPECT_EQ(sheet.DisplayText(2, 1), L"TRUE");
    EXPECT_EQ(sheet.DisplayText(3, 1), L"#DIV/0!");
}

TEST(DisplayTextTest, AMergedCellShowsItsNumberAcrossAllItsColumns)
{
    Sheet sheet(L"Sheet1", L"Book1");
    sheet.SetColumnWidth(1, 3);
    sheet.SetColumnWidth(2, 3);
    sheet.SetNumber(L"A1", 12345);
    EXPECT_EQ(sheet.DisplayText(1, 1), L"###");
    sheet.MergeCells(L"A1:B1");
    EXPECT_EQ(sheet.DisplayText(1, 1), L"12345");
}

}  // namespace
}  // namespace host
