// The stand-in answers as Excel is documented to answer: one table per group of rows of
// host/excel/ExcelBehaviour.md, each row naming its source. Driven through Invoke, as the add-in reaches Excel.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace host::test {
namespace {

constexpr DISPID kValue2 = 0x56C, kNumberFormat = 0xC1;
constexpr LCID kEnglish = 1033, kGerman = 1031;

// "=1+1+...+1" of exactly `length` characters (at least 2).
std::wstring FormulaOf(size_t length) {
    std::wstring formula = L"=1";
    while (formula.size() + 2 <= length) formula += L"+1";
    if (formula.size() < length) formula += L"1";
    return formula;
}

// A value as the tables write it: Empty, Null, True, "text", 1.5, #2042 (an error value), date, currency, 2x1.
std::wstring Shown(const CallResult& result) {
    if (FAILED(result.hr)) return L"fails";
    const Variant& v = result.value;
    wchar_t number[32];
    if (v.Type() & VT_ARRAY) {
        LONG rows = 0, columns = 0;
        SafeArrayGetUBound(v.Get().parray, 1, &rows);
        SafeArrayGetUBound(v.Get().parray, 2, &columns);
        return std::to_wstring(rows) + L"x" + std::to_wstring(columns);
    }
    switch (v.Type()) {
    case VT_EMPTY: return L"Empty";
    case VT_NULL: return L"Null";
    case VT_BOOL: return v.AsBool() ? L"True" : L"False";
    case VT_BSTR: return L"\"" + v.AsString() + L"\"";
    case VT_ERROR: return L"#" + std::to_wstring(v.Get().scode & 0xFFFF);
    case VT_DATE: return L"date";
    case VT_CY: return L"currency";
    default: std::swprintf(number, 32, L"%.15g", v.AsDouble()); return number;
    }
}

class ExcelBehaviour : public ::testing::Test {
protected:
    void SetUp() override { baseline = LiveObjects(); }
    void TearDown() override { EXPECT_EQ(LiveObjects(), baseline); }

    // Application.Range(address).member, or .member = value with `put`.
    CallResult On(const wchar_t* address, DISPID member, const Variant* put = nullptr) {
        framework::ComPtr<IDispatch> app = excel->Application();
        CallResult range = Get(app.Get(), id::Range, {Str(address)});
        if (FAILED(range.hr)) return range;
        return put ? Put(range.Object().Get(), member, *put) : Get(range.Object().Get(), member);
    }
    void Call(const wchar_t* address, DISPID method) {
        ASSERT_EQ(test::Call(GetObject(excel->Application().Get(), id::Range, {Str(address)}).Get(), method).hr, S_OK);
    }
    std::wstring Read(const wchar_t* address, DISPID member) { return Shown(On(address, member)); }

    long baseline = 0;
    std::shared_ptr<Excel> excel = Excel::Create();
    Sheet& cells = excel->ActiveSheet();
};

TEST_F(ExcelBehaviour, ReadsOfACellABlockSeveralAreasEmptyCellsAndErrorValues)
{
    cells.SetText(L"A1", L"text");
    cells.SetNumber(L"A2", 1.5);
    cells.SetNumberFormat(L"A2", L"0.00");
    cells.SetFormula(L"A3", L"=A2*2", CellValue::Number(3));
    cells.SetError(L"A4", 2042);
    cells.SetDate(L"B1", 2024, 1, 31);
    cells.SetCurrency(L"B2", 12.5);
    cells.SetText(L"D1:D3", L"x");
    cells.SetNumber(L"E1", 1);
    cells.SetText(L"E2", L"1");
    cells.SetNumber(L"F1", 123456.75);
    cells.SetNumberFormat(L"F1", L"#,##0.00");
    cells.SetColumnWidth(6, 4);
    cells.MergeCells(L"C1:C2");
    const struct {
        const wchar_t* address;
        DISPID member;
        const wchar_t* expected;
    } rows[] = {
        {L"A1", id::Value, L"\"text\""},            // Range.Value: the cell's value
        {L"A1:B2", id::Value, L"2x2"},              // Range.Value: a 2-D array of the first area
        {L"A1:A2,C1:C5", id::Value, L"2x1"},        // Range.Value: the first area only
        {L"A5", id::Value, L"Empty"},               // Range.Value (no source for an empty cell; Empty as VBA shows)
        {L"A4", id::Value, L"#2042"},               // Range.Value (error values as CVErr; no source)
        {L"B1", id::Value, L"date"},                // Range.Value2: Value uses the Date type
        {L"B1", kValue2, L"45322"},                 // Range.Value2: no Date type
        {L"B2", id::Value, L"currency"},            // Range.Value2: Value uses the Currency type
        {L"B2", kValue2, L"12.5"},                  // Range.Value2: no Currency type
        {L"A3", id::Formula, L"\"=A2*2\""},         // Range.Formula: the formula in A1 style
        {L"A5", id::Formula, L"\"\""},              // Range.Formula (no source for an empty cell)
        {L"A2", id::Text, L"\"1.50\""},             // Range.Text: the formatted text
        {L"F1", id::Text, L"\"####\""},             // Range.Text: too narrow a column changes what shows
        {L"D1:D3", id::Text, L"\"x\""},             // Range.Text: identical contents and formats
        {L"E1:E2", id::Text, L"Null"},              // Range.Text: Null unless contents are identical
        {L"D1:D4", id::Text, L"Null"},              // Range.Text: an empty cell is another content
        {L"A2", kNumberFormat, L"\"0.00\""},        // Range.NumberFormat: the format code
        {L"A1:A2", kNumberFormat, L"Null"},         // Range.NumberFormat: Null when the cells' formats differ
        {L"A3", id::HasFormula, L"True"},           // Range.HasFormula: True when all cells hold formulas
        {L"A1:A2", id::HasFormula, L"False"},       // Range.HasFormula: False when none does
        {L"A1:A3", id::HasFormula, L"Null"},        // Range.HasFormula: Null otherwise
        {L"C1:C2", id::MergeCells, L"True"},        // Range.MergeCells: True when the range is merged
        {L"A1", id::MergeCells, L"False"},          // Range.MergeCells
        {L"C2:C3", id::MergeCells, L"Null"},        // no source for a partly merged range; Null, the safe side
    };
    for (const auto& row : rows) EXPECT_EQ(Read(row.address, row.member), row.expected) << row.address;
}

TEST_F(ExcelBehaviour, WritesToACellABlockSeveralAreasAndMergedCells)
{
    cells.SetText(L"D1", L"keep");
    cells.SetText(L"E1", L"dropped");
    SAFEARRAYBOUND bounds[2] = {{1, 1}, {2, 1}};
    Variant pair = Variant::AdoptArray(SafeArrayCreate(VT_VARIANT, 2, bounds), VT_VARIANT);
    const Variant w = Str(L"w"), oneAndAHalfGerman = Str(L"1,5"), oneAndAHalf = Str(L"1.5"), formula = Str(L"=1+1");
    const struct {
        const wchar_t* address;
        const Variant* value;  // none: Merge
        LCID userLocale;
        const wchar_t* then;
        DISPID member;
        const wchar_t* expected;
    } rows[] = {
        {L"A1:A2,B5", &w, kEnglish, L"B5", id::Value, L"\"w\""},               // Range.Value put fills every area
        {L"A3:C3", &pair, kEnglish, L"C3", id::Value, L"#2042"},                // Range.Value: past the array an error
        {L"A4", &oneAndAHalfGerman, kGerman, L"A4", id::Value, L"1.5"},         // Worksheet.Range: the call's language
        {L"A5", &oneAndAHalf, kEnglish, L"A5", id::Value, L"1.5"},              // Worksheet.Range: the call's language
        {L"A6", &formula, kEnglish, L"A6", id::HasFormula, L"True"},            // Range.Formula: "=" makes a formula
        {L"D1:E1", nullptr, kEnglish, L"E1", id::Value, L"Empty"},              // Range.Merge: the upper-left value
        {L"D1:E1", nullptr, kEnglish, L"D1", id::Value, L"\"keep\""},           // Range.Merge: the upper-left value
    };
    for (const auto& row : rows) {
        excel->SetUserLocale(row.userLocale);
        if (!row.value)
            Call(row.address, id::Merge);
        else
            ASSERT_EQ(On(row.address, id::Value, row.value).hr, S_OK) << row.address;
        EXPECT_EQ(Read(row.then, row.member), row.expected) << row.address;
    }
    // Application.DisplayAlerts: with alerts on, Excel asks before a merge drops values; the stand-in counts.
    EXPECT_EQ(cells.MergeQuestions(), 1u);
    // Range.UnMerge: the area becomes single cells again.
    Call(L"D1", id::UnMerge);
    EXPECT_EQ(Read(L"D1:E1", id::MergeCells), L"False");
}

TEST_F(ExcelBehaviour, EachVersionHasItsGridAndItsLengthsOfCellsAndFormulas)
{
    const struct {
        const wchar_t* version;
        const wchar_t* wholeColumn;  // Rows.Count of A:A
        const wchar_t* lastCell;     // the grid's last cell
        const wchar_t* pastIt;
        size_t formula;              // the longest formula
    } rows[] = {
        {L"11.0", L"65536", L"$IV$65536", L"IW1", 1024},          // TechNet cc178998: 2000-2003, 256 x 65,536
        {L"12.0", L"1048576", L"$XFD$1048576", L"A1048577", 8192},  // Limits of Excel (stelio.net): 2007 grid
        {L"16.0", L"1048576", L"$XFD$1048576", L"XFE1", 8192},      // Rows/columns/cells by Excel version
    };
    for (const auto& row : rows) {
        excel->SetVersion(row.version);
        SCOPED_TRACE(testing::Message() << "version " << std::string(row.version, row.version + 4));
        framework::ComPtr<IDispatch> column = GetObject(excel->Application().Get(), id::Range, {Str(L"A:A")});
        EXPECT_EQ(Shown(Get(GetObject(column.Get(), id::Rows).Get(), id::Count)), row.wholeColumn);
        EXPECT_EQ(Read(row.lastCell, id::Address), std::wstring(L"\"") + row.lastCell + L"\"");
        EXPECT_EQ(Read(row.pastIt, id::Address), L"fails");
        EXPECT_EQ(Read(L"A1:A2", id::Address), L"\"$A$1:$A$2\"");
        Variant longest = Variant::String(FormulaOf(row.formula));
        Variant longer = Variant::String(FormulaOf(row.formula + 1));
        EXPECT_EQ(On(L"B1", id::Value, &longest).hr, S_OK);
        EXPECT_EQ(On(L"B1", id::Value, &longer).hr, DISP_E_EXCEPTION);
        // 32,767 characters a cell in every version from Excel 97 (KB 211878).
        Variant text = Variant::String(std::wstring(32768, L'x'));
        EXPECT_EQ(On(L"B2", id::Value, &text).hr, DISP_E_EXCEPTION);
        cells.ClearCell(L"B1");
    }
    // A sheet whose cells lie outside the older grid cannot become one of it.
    cells.SetText(L"A70000", L"far");
    EXPECT_THROW(excel->SetVersion(L"11.0"), std::invalid_argument);
}

TEST_F(ExcelBehaviour, ReferencesUnionAndAreas)
{
    std::wstring longest;
    for (long r = 1; longest.size() <= 255; r += 2) longest += (longest.empty() ? L"A" : L",A") + std::to_wstring(r);
    const struct {
        std::wstring address;
        const wchar_t* expected;
    } rows[] = {
        {L"$a$1:b2", L"\"$A$1:$B$2\""},      // Worksheet.Range: dollar signs are ignored
        {L"A1:B2,D4", L"\"$A$1:$B$2,$D$4\""},  // Worksheet.Range: the union operator (a comma)
        {longest, L"fails"},                   // no source for the 255 characters; the add-in cuts into pieces
        {L"Sheet9!A1", L"fails"},              // a sheet the workbook does not hold
    };
    for (const auto& row : rows) EXPECT_EQ(Read(row.address.c_str(), id::Address), row.expected) << row.address.size();
    // Application.Union: at least two ranges; the areas in order.
    framework::ComPtr<IDispatch> app = excel->Application();
    framework::ComPtr<IDispatch> joined = GetObject(
        app.Get(), id::Union, {Variant::AdoptDispatch(GetObject(app.Get(), id::Range, {Str(L"A1")}).Detach()),
                               Variant::AdoptDispatch(GetObject(app.Get(), id::Range, {Str(L"C3:D4")}).Detach())});
    EXPECT_EQ(Shown(Get(GetObject(joined.Get(), id::Areas).Get(), id::Count)), L"2");
}

}  // namespace
}  // namespace host::test
