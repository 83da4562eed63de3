// The stand-in answers as Excel is documented to answer: a table per group of rows of
// host/excel/ExcelBehaviour.md, each row naming its source. Driven through Invoke, as the add-in reaches Excel.
#include "host/excel/Excel.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace host::test {
namespace {

constexpr DISPID kValue2 = 0x56C, kNumberFormat = 0xC1;

// Application.Range(address).member, or .member = value; a value as the tables write it ("text", 1.5, #2042).
std::wstring On(Excel& excel, const wchar_t* address, DISPID member, const Variant* put = nullptr) {
    CallResult range = Get(excel.Application().Get(), id::Range, {Str(address)});
    CallResult result = FAILED(range.hr) ? range : put ? Put(range.Object().Get(), member, *put)
                                                       : Get(range.Object().Get(), member);
    const Variant& v = result.value;
    wchar_t number[32];
    std::swprintf(number, 32, L"%.15g", v.AsDouble());
    switch (FAILED(result.hr) ? VARTYPE(VT_ILLEGAL) : v.Type()) {
    case VT_ILLEGAL: return L"fails";
    case VT_EMPTY: return put ? L"done" : L"Empty";
    case VT_NULL: return L"Null";
    case VT_BOOL: return v.AsBool() ? L"True" : L"False";
    case VT_BSTR: return L"\"" + v.AsString() + L"\"";
    case VT_ERROR: return L"#" + std::to_wstring(v.Get().scode & 0xFFFF);
    default: return number;
    }
}

TEST(ExcelBehaviour, ValuesTextsAndStatesOfACellABlockSeveralAreasEmptyCellsAndErrorValues)
{
    auto excel = Excel::Create();
    Sheet& cells = excel->ActiveSheet();
    cells.SetFormula(L"A1", L"=B1*2", CellValue::Number(3));
    cells.SetNumber(L"A2", 1.5);
    cells.SetError(L"A3", 2042);
    cells.SetDate(L"B1", 2024, 1, 31);
    cells.SetText(L"D1:D3", L"x");
    cells.SetNumber(L"E1", 1);
    cells.SetText(L"E2", L"1");
    cells.SetNumber(L"F1", 123456.75);
    cells.SetNumberFormat(L"F1", L"#,##0.00");
    cells.SetColumnWidth(6, 4);
    cells.MergeCells(L"C1:C2");
    const Variant w = Str(L"w"), german = Str(L"1,5");
    const struct {
        const wchar_t* address;
        DISPID member;
        const wchar_t* expected;
        const Variant* put = nullptr;
    } rows[] = {
        {L"A2,A1", id::Value, L"1.5"},           // Range.Value: the first area only
        {L"A4", id::Value, L"Empty"},            // no source: an empty cell reads Empty
        {L"A3", id::Value, L"#2042"},            // no source: an error value reads as its CVErr
        {L"B1", kValue2, L"45322"},              // Range.Value2: no Date type
        {L"A1", id::Formula, L"\"=B1*2\""},      // Worksheet.Range: formulas in the language of the macro
        {L"F1", id::Text, L"\"####\""},          // Range.Text: a column too narrow changes what shows
        {L"D1:D3", id::Text, L"\"x\""},          // Range.Text: identical contents and formats
        {L"E1:E2", id::Text, L"Null"},           // Range.Text: Null unless the contents are identical
        {L"E1:F1", kNumberFormat, L"Null"},      // Range.NumberFormat: Null when the formats differ
        {L"A1:A2", id::HasFormula, L"Null"},     // Range.HasFormula: Null when some cells hold formulas
        {L"C1:C2", id::MergeCells, L"True"},     // Range.MergeCells: True when merged
        {L"C2:C3", id::MergeCells, L"Null"},     // no source for a partly merged range: Null, the safe side
        {L"G1:G2,H5", id::Value, L"done", &w},   // Range.Value: a put fills every area
        {L"H5", id::Value, L"\"w\""},            // Range.Value
        {L"G3:G4", id::Value, L"done", &german}, // IDispatch::Invoke: the lcid to read arguments by
        {L"G4", id::Value, L"1.5"},              // (German, as the user's language here)
    };
    for (const auto& row : rows) {
        excel->SetUserLocale(row.put == &german ? 1031 : 1033);
        EXPECT_EQ(On(*excel, row.address, row.member, row.put), row.expected) << row.address;
    }
}

TEST(ExcelBehaviour, EachVersionHasItsGridAndItsLengthsOfCellsAndFormulas)
{
    const struct {
        const wchar_t* version;
        const wchar_t* wholeColumn;
        const wchar_t* lastCell;
        const wchar_t* pastIt;
        size_t formula;
    } rows[] = {
        {L"11.0", L"A1:A65536", L"$IV$65536", L"IW1", 1024},            // TechNet cc178998: 2000-2003, 256 x 65,536
        {L"12.0", L"A1:A1048576", L"$XFD$1048576", L"A1048577", 8192},  // Limits of Excel (stelio.net): 2007
        {L"16.0", L"A1:A1048576", L"$XFD$1048576", L"XFE1", 8192},      // Rows/columns/cells by version; S-8192
    };
    auto excel = Excel::Create();
    for (const auto& row : rows) {
        excel->SetVersion(row.version);
        EXPECT_EQ(On(*excel, row.wholeColumn, id::Address), L"\"$A:$A\"");
        EXPECT_EQ(On(*excel, row.lastCell, id::Address), L"\"" + std::wstring(row.lastCell) + L"\"");
        EXPECT_EQ(On(*excel, row.pastIt, id::Address), L"fails");
        std::wstring formula = L"=1";
        while (formula.size() < row.formula) formula += formula.size() + 1 == row.formula ? L"1" : L"+1";
        const Variant longest = Str(formula.c_str()), longer = Str((formula + L"1").c_str());
        const Variant text = Variant::String(std::wstring(32768, L'x'));  // KB 211878: 32,767 from Excel 97
        EXPECT_EQ(On(*excel, L"B1", id::Value, &longest), L"done");
        EXPECT_EQ(On(*excel, L"B2", id::Value, &longer), L"fails");
        EXPECT_EQ(On(*excel, L"B3", id::Value, &text), L"fails");
        excel->ActiveSheet().ClearCell(L"B1");
    }
    excel->ActiveSheet().SetText(L"A70000", L"far");  // a sheet reaching past the older grid cannot shrink
    EXPECT_THROW(excel->SetVersion(L"11.0"), std::invalid_argument);
}

}  // namespace
}  // namespace host::test
