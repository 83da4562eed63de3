#include "tests/host/SheetModelTest.h"

namespace host {
namespace {

class RangeModelTest : public SheetModelTest {
protected:
    // A 2-D SAFEARRAY of VARIANTs with the given bounds, filled by f(row, column).
    static Variant Array2D(long rows, long columns, long lower, const std::function<Variant(long, long)>& f)
    {
        SAFEARRAYBOUND bounds[2] = {{ULONG(rows), lower}, {ULONG(columns), lower}};
        SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
        for (long r = 0; r < rows; ++r) {
            for (long c = 0; c < columns; ++c) {
                LONG index[2] = {lower + r, lower + c};
                Variant v = f(r, c);
                SafeArrayPutElement(array, index, &v.Get());
            }
        }
        return Variant::AdoptArray(array, VT_VARIANT);
    }

    static Variant Element(const Variant& array, long row, long column)
    {
        LONG index[2] = {row, column};
        VARIANT v;
        VariantInit(&v);
        SafeArrayGetElement(array.Get().parray, index, &v);
        return Variant::Adopt(v);
    }

    std::wstring Shown(const wchar_t* address) { return At(address).Text().AsString(); }
};

TEST_F(RangeModelTest, ValueOfOneCellIsAScalarAndOfSeveralA2DArrayFromOne)
{
    sheet->SetText(L"A1", L"a");
    sheet->SetNumber(L"B2", 2.5);
    Variant one = At(L"A1").Value();
    EXPECT_EQ(one.Type(), VT_BSTR);
    EXPECT_EQ(one.AsString(), L"a");
    Variant many = At(L"A1:B3").Value();
    ASSERT_EQ(many.Type(), VT_ARRAY | VT_VARIANT);
    SAFEARRAY* array = many.Get().parray;
    ASSERT_EQ(SafeArrayGetDim(array), 2u);
    LONG lower = -1, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 3);  // rows first
    SafeArrayGetLBound(array, 2, &lower);
    SafeArrayGetUBound(array, 2, &upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 2);
    EXPECT_EQ(Element(many, 1, 1).AsString(), L"a");
    EXPECT_EQ(Element(many, 2, 2).Type(), VT_R8);
    EXPECT_EQ(Element(many, 2, 2).AsDouble(), 2.5);
    EXPECT_EQ(Element(many, 3, 1).Type(), VT_EMPTY);
}

TEST_F(RangeModelTest, ValueTypesFollowTheNumberFormat)
{
    sheet->SetDate(L"A1", 2024, 1, 31);
    sheet->SetCurrency(L"A2", 12.5);
    sheet->SetError(L"A3", xl::ErrDiv0);
    sheet->SetBoolean(L"A4", true);
    Variant date = At(L"A1").Value();
    EXPECT_EQ(date.Type(), VT_DATE);
    EXPECT_EQ(date.Get().date, 45322);
    Variant money = At(L"A2").Value();
    EXPECT_EQ(money.Type(), VT_CY);
    EXPECT_EQ(money.Get().cyVal.int64, 125000);
    Variant error = At(L"A3").Value();
    EXPECT_EQ(error.Type(), VT_ERROR);
    EXPECT_EQ(unsigned(error.Get().scode), 0x800A07D7u);
    EXPECT_EQ(At(L"A4").Value().Type(), VT_BOOL);
    EXPECT_EQ(At(L"A1").Value(true).Type(), VT_R8);
    At(L"A1").SetNumberFormat(L"General");
    EXPECT_EQ(At(L"A1").Value().Type(), VT_R8);
}

TEST_F(RangeModelTest, WrittenDatesAndCurrencyReadBackAsWritten)
{
    At(L"A1").SetValue(Variant::Date(45322.25).Get());
    EXPECT_EQ(At(L"A1").Value().Type(), VT_DATE);
    EXPECT_EQ(sheet->At(L"A1").numberFormat, L"m/d/yyyy h:mm");
    At(L"A2").SetValue(Variant::Currency(12345).Get());
    EXPECT_EQ(At(L"A2").Value().Type(), VT_CY);
    EXPECT_EQ(Shown(L"A2"), L"$1.23");
}

TEST_F(RangeModelTest, AScalarFillsEveryCellOfEveryArea)
{
    At(L"A1:B2,D4").SetValue(Variant::String(L"7").Get());
    for (const wchar_t* cell : {L"A1", L"B1", L"A2", L"B2", L"D4"}) {
        EXPECT_EQ(sheet->At(cell).value, CellValue::Number(7)) << cell[0] << cell[1];
    }
    EXPECT_TRUE(sheet->At(L"C3").IsEmpty());
}

TEST_F(RangeModelTest, ArraysFillFromTheTopLeftRepeatingOneRowOrColumnAndPaddingWithNA)
{
    // A 2 x 2 array from lower bound 0 into 3 x 3: the rest is #N/A.
    Variant square = Array2D(2, 2, 0, [](long r, long c) { return Variant::Long(r * 10 + c); });
    At(L"A1:C3").SetValue(square.Get());
    EXPECT_EQ(sheet->At(L"B2").value, CellValue::Number(11));
    EXPECT_EQ(sheet->At(L"C1").value, CellValue::Error(xl::ErrNA));
    EXPECT_EQ(sheet->At(L"A3").value, CellValue::Error(xl::ErrNA));
    // One row repeats down every row.
    Variant row = Array2D(1, 2, 1, [](long, long c) { return Variant::String(c ? L"y" : L"x"); });
    At(L"E1:F3").SetValue(row.Get());
    EXPECT_EQ(sheet->At(L"E3").value, CellValue::Text(L"x"));
    EXPECT_EQ(sheet->At(L"F3").value, CellValue::Text(L"y"));
    // A larger array: what lies past the range is dropped.
    Variant big = Array2D(5, 5, 1, [](long r, long c) { return Variant::Long(r + c); });
    At(L"H1:H2").SetValue(big.Get());
    EXPECT_EQ(sheet->At(L"H2").value, CellValue::Number(1));
    EXPECT_TRUE(sheet->At(L"I1").IsEmpty());
    EXPECT_TRUE(sheet->At(L"H3").IsEmpty());
}

TEST_F(RangeModelTest, ArraysOfStringsOneDimensionalArraysAndByrefArraysAreAccepted)
{
    SAFEARRAYBOUND bounds[2] = {{1, 0}, {3, 0}};
    SAFEARRAY* strings = SafeArrayCreate(VT_BSTR, 2, bounds);
    const wchar_t* texts[] = {L"12", L"'12", L""};
    for (LONG c = 0; c < 3; ++c) {
        LONG index[2] = {0, c};
        BSTR b = SysAllocString(texts[c]);
        SafeArrayPutElement(strings, index, b);
        SysFreeString(b);
    }
    sheet->SetText(L"C1", L"old");
    Variant value = Variant::AdoptArray(strings, VT_BSTR);
    VARIANT byref;
    byref.vt = VT_BYREF | VT_ARRAY | VT_BSTR;
    byref.pparray = &value.Get().parray;
    At(L"A1:C1").SetValue(byref);
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Number(12));
    EXPECT_EQ(sheet->At(L"B1").value, CellValue::Text(L"12"));
    EXPECT_TRUE(sheet->At(L"B1").prefixed);
    EXPECT_TRUE(sheet->At(L"C1").IsEmpty());

    SAFEARRAYBOUND line = {3, 1};
    SAFEARRAY* vector = SafeArrayCreate(VT_VARIANT, 1, &line);
    for (LONG i = 1; i <= 3; ++i) {
        Variant v = Variant::Long(i);
        SafeArrayPutElement(vector, &i, &v.Get());
    }
    Variant oneD = Variant::AdoptArray(vector, VT_VARIANT);
    // A 1-D array is one row: a one-column range takes its first element in every row.
    At(L"E1:E3").SetValue(oneD.Get());
    EXPECT_EQ(sheet->At(L"E3").value, CellValue::Number(1));
}

TEST_F(RangeModelTest, EmptyStringAndEmptyVariantEmptyTheCellButKeepItsFormat)
{
    sheet->SetNumber(L"A1", 5);
    sheet->SetInteriorColor(L"A1", RGB(255, 0, 0));
    At(L"A1").SetValue(Variant::String(L"").Get());
    EXPECT_TRUE(sheet->At(L"A1").IsEmpty());
    EXPECT_EQ(sheet->At(L"A1").interiorColor, RGB(255, 0, 0));
    sheet->SetNumber(L"A2", 5);
    At(L"A2").SetValue(Variant().Get());
    EXPECT_TRUE(sheet->At(L"A2").IsEmpty());
}

TEST_F(RangeModelTest, AFormulaWrittenThroughValueIsKeptAndReadsAsEmptyText)
{
    At(L"A1").SetValue(Variant::String(L"=B1*2").Get());
    Cell cell = sheet->At(L"A1");
    EXPECT_TRUE(cell.hasFormula);
    EXPECT_EQ(cell.formula, L"=B1*2");
    Variant value = At(L"A1").Value();
    EXPECT_EQ(value.Type(), VT_BSTR);
    EXPECT_EQ(value.AsString(), L"");
}

TEST_F(RangeModelTest, HasFormulaAndHasArrayAreNullForMixedRanges)
{
    sheet->SetFormula(L"A1", L"=1+1", CellValue::Number(2));
    sheet->SetText(L"B1", L"x");
    EXPECT_EQ(At(L"A1").HasFormula().Type(), VT_BOOL);
    EXPECT_TRUE(At(L"A1").HasFormula().AsBool());
    EXPECT_FALSE(At(L"B1:B5").HasFormula().AsBool());
    EXPECT_EQ(At(L"A1:B1").HasFormula().Type(), VT_NULL);
    sheet->SetArrayFormula(L"D1:D2", L"{=A1:A2}", CellValue::Number(1));
    EXPECT_TRUE(At(L"D1:D2").HasArray().AsBool());
    EXPECT_EQ(At(L"D1:D3").HasArray().Type(), VT_NULL);
    EXPECT_FALSE(At(L"A1").HasArray().AsBool());
}

TEST_F(RangeModelTest, TextOfSeveralCellsIsTheCommonTextOrNull)
{
    sheet->SetText(L"A1:A3", L"same");
    EXPECT_EQ(Shown(L"A1:A3"), L"same");
    EXPECT_EQ(At(L"A1:A4").Text().Type(), VT_NULL);
    EXPECT_EQ(Shown(L"C:C"), L"");
    sheet->SetNumber(L"C5", 1.5);
    EXPECT_EQ(At(L"C:C").Text().Type(), VT_NULL);
    sheet->SetNumberFormat(L"C5", L"0.00");
    EXPECT_EQ(Shown(L"C5"), L"1.50");
}

TEST_F(RangeModelTest, CountOfSeveralAreasCountsAllCellsButRowsAndColumnsOnlyTheFirstArea)
{
    Range range = At(L"A1:B2,D1:D5");
    EXPECT_EQ(range.Count(), 9);
    EXPECT_EQ(range.Rows().Count(), 2);
    EXPECT_EQ(range.Columns().Count(), 2);
    EXPECT_EQ(range.Areas().size(), 2u);
    EXPECT_EQ(range.AreaAt(2).Address({}), L"$D$1:$D$5");
    EXPECT_EQ(range.Rows().Address({}), L"$A$1:$B$2,$D$1:$D$5");
    EXPECT_EQ(range.Rows().Item(2).Address({}), L"$A$2:$B$2");
    EXPECT_EQ(ErrorOf([&] { range.AreaAt(3); }), message::UnableToGet(L"Item", L"Areas"));
    EXPECT_EQ(ErrorOf([&] { Range(sheet, {Area{1, 1, kMaxRows, kMaxColumns}}).Count(); }), message::Overflow);
}

TEST_F(RangeModelTest, ItemCountsFromTheTopLeftAndMayReachPastTheRange)
{
    Range range = At(L"B2:C3");
    EXPECT_EQ(range.Item(1).Address({}), L"$B$2");
    EXPECT_EQ(range.Item(3).Address({}), L"$B$3");
    EXPECT_EQ(range.Item(5).Address({}), L"$B$4");
    EXPECT_EQ(range.Item(2, 2).Address({}), L"$C$3");
    EXPECT_EQ(range.Item(4, 5).Address({}), L"$F$5");
    EXPECT_EQ(range.Item(0, 0).Address({}), L"$A$1");
    EXPECT_EQ(ErrorOf([&] { range.Item(-1, 1); }), message::ObjectDefined);
    // A row of Rows stays a row: it counts 1 and spans the area's columns.
    Range row = range.Rows().Item(2);
    EXPECT_EQ(row.Count(), 1);
    EXPECT_EQ(row.Cells().Count(), 2);
    EXPECT_EQ(range.Columns().Item(2).Address({}), L"$C$2:$C$3");
}

TEST_F(RangeModelTest, EntireColumnCountsColumns)
{
    Range columns = At(L"B2:C9").EntireColumn();
    EXPECT_EQ(columns.Address({}), L"$B:$C");
    EXPECT_EQ(columns.Count(), 2);
}

TEST_F(RangeModelTest, WholeColumnsStaySparse)
{
    sheet->SetText(L"A3", L"x");
    sheet->SetText(L"A1000000", L"y");
    Range column = At(L"A:A");
    column.Rows().Item(3).SetValue(Variant::String(L"z").Get());
    EXPECT_EQ(sheet->At(L"A3").value, CellValue::Text(L"z"));
    Variant all = column.Value();
    ASSERT_EQ(all.Type(), VT_ARRAY | VT_VARIANT);
    EXPECT_EQ(Element(all, 1000000, 1).AsString(), L"y");
    column.ClearContents();
    EXPECT_EQ(sheet->ContentCount(), 0u);
    column.SetWrapText(true);
    EXPECT_TRUE(sheet->At(L"A77").wrapText);
    EXPECT_TRUE(column.WrapText().AsBool());
    EXPECT_FALSE(sheet->UsedArea().has_value());
}

TEST_F(RangeModelTest, FormatsReadBackAsTheCommonValueOrNull)
{
    At(L"A1:B1").SetInteriorColor(RGB(1, 2, 3));
    EXPECT_EQ(At(L"A1:B1").InteriorColor().AsDouble(), double(RGB(1, 2, 3)));
    EXPECT_EQ(At(L"A2").InteriorColor().AsDouble(), 16777215.0);
    EXPECT_EQ(At(L"A1:A2").InteriorColor().Type(), VT_NULL);
    At(L"A1").SetHorizontalAlignment(xl::HAlignRight);
    EXPECT_EQ(At(L"A1").HorizontalAlignment().AsLong(), xl::HAlignRight);
    EXPECT_EQ(At(L"A1:A2").HorizontalAlignment().Type(), VT_NULL);
    EXPECT_EQ(ErrorOf([&] { At(L"A1").SetHorizontalAlignment(12345); }),
              message::UnableToSet(L"HorizontalAlignment", L"Range"));
    EXPECT_EQ(At(L"A:A").ColumnWidth().AsDouble(), xl::StandardColumnWidth);
    At(L"B1").SetColumnWidth(20);
    EXPECT_EQ(At(L"B:B").ColumnWidth().AsDouble(), 20.0);
    EXPECT_EQ(At(L"A1:B1").ColumnWidth().Type(), VT_NULL);
    EXPECT_EQ(ErrorOf([&] { At(L"B1").SetColumnWidth(256); }), message::UnableToSet(L"ColumnWidth", L"Range"));
}

TEST_F(RangeModelTest, AProtectedSheetRefusesEveryWriteAndChangesNothing)
{
    sheet->SetText(L"A1", L"keep");
    sheet->SetProtected(true);
    Range a1 = At(L"A1");
    EXPECT_EQ(ErrorOf([&] { a1.SetValue(Variant::String(L"new").Get()); }), message::Protected);
    EXPECT_EQ(ErrorOf([&] { a1.ClearContents(); }), message::Protected);
    EXPECT_EQ(ErrorOf([&] { At(L"A1:B1").Merge(false); }), message::Protected);
    EXPECT_EQ(ErrorOf([&] { a1.SetInteriorColor(0); }), message::UnableToSet(L"Color", L"Interior"));
    EXPECT_EQ(ErrorOf([&] { a1.SetColumnWidth(3); }), message::UnableToSet(L"ColumnWidth", L"Range"));
    EXPECT_EQ(ErrorOf([&] { a1.SetWrapText(true); }), message::UnableToSet(L"WrapText", L"Range"));
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Text(L"keep"));
    EXPECT_TRUE(sheet->MergedAreas().empty());
    EXPECT_EQ(a1.Text().AsString(), L"keep");
}

TEST_F(RangeModelTest, TextsLongerThanACellHoldsAreRefused)
{
    std::wstring longest(xl::MaxCellTextLength, L'x');
    At(L"A1").SetValue(Variant::String(longest).Get());
    EXPECT_EQ(sheet->At(L"A1").value.text.size(), xl::MaxCellTextLength);
    EXPECT_EQ(ErrorOf([&] { At(L"A2").SetValue(Variant::String(longest + L"x").Get()); }), message::ObjectDefined);
    EXPECT_TRUE(sheet->At(L"A2").IsEmpty());
}

TEST_F(RangeModelTest, UnionAndIntersectWorkOnOneSheetOnly)
{
    Range joined = Range::Union({At(L"A2:C2"), At(L"A3:C3"), At(L"A5:C5")});
    EXPECT_EQ(joined.Address({}), L"$A$2:$C$3,$A$5:$C$5");
    auto common = Range::Intersect({At(L"A1:C3"), At(L"B2:D4")});
    ASSERT_TRUE(common);
    EXPECT_EQ(common->Address({}), L"$B$2:$C$3");
    EXPECT_FALSE(Range::Intersect({At(L"A1"), At(L"B2")}));
    auto other = std::make_shared<Sheet>(L"Sheet2", L"Book1");
    EXPECT_EQ(ErrorOf([&] { Range::Union({At(L"A1"), Range(other, {Area::Cell(1, 1)})}); }),
              L"Method 'Union' of object '_Application' failed");
}

TEST_F(RangeModelTest, FormulaGivesFormulasAndConstantsAsTheFormulaBarShowsThemAndEmptyCellsAsEmptyText)
{
    sheet->SetFormula(L"A1", L"=B1*2", CellValue::Number(4));
    sheet->Enter(L"B1", L"'00123");
    sheet->SetNumberFormat(L"C1", L"0.00");
    sheet->SetNumber(L"C1", 1234.5678);
    sheet->SetDate(L"A2", 2024, 1, 2);
    sheet->SetBoolean(L"B2", true);
    sheet->SetError(L"C2", xl::ErrDiv0);
    sheet->SetArrayFormula(L"A3:B3", L"{=A1:B1}", CellValue::Number(4));
    Variant one = At(L"A1").Formula();
    ASSERT_EQ(one.Type(), VT_BSTR);
    EXPECT_EQ(one.AsString(), L"=B1*2");
    Variant many = At(L"A1:C4").Formula();
    ASSERT_EQ(many.Type(), VT_ARRAY | VT_VARIANT);
    const wchar_t* expected[4][3] = {{L"=B1*2", L"00123", L"1234.5678"},
                                     {L"1/2/2024", L"TRUE", L"#DIV/0!"},
                                     {L"=A1:B1", L"=A1:B1", L""},
                                     {L"", L"", L""}};
    for (long r = 1; r <= 4; ++r) {
        for (long c = 1; c <= 3; ++c) {
            Variant element = Element(many, r, c);
            EXPECT_EQ(element.Type(), VT_BSTR) << r << "," << c;
            EXPECT_EQ(element.AsString(), expected[r - 1][c - 1]) << r << "," << c;
        }
    }

    const std::pair<double, const wchar_t*> numbers[] = {
        {0.1 + 0.2, L"0.3"}, {-0.5, L"-0.5"}, {1e20, L"1E+20"}, {123456789012345678.0, L"1.23456789012346E+17"},
        {0.000001, L"0.000001"}, {1.5e-10, L"1.5E-10"}, {100, L"100"}, {0, L"0"}};
    for (const auto& [number, text] : numbers) {
        sheet->SetNumber(L"E1", number);
        EXPECT_EQ(At(L"E1").Formula().AsString(), text) << number;
    }
}

TEST_F(RangeModelTest, OffsetMovesEveryAreaAndResizeReshapesTheFirstFromItsTopLeft)
{
    const AddressOptions absolute;
    EXPECT_EQ(At(L"A1:B2").Offset(2, 1).Address(absolute), L"$B$3:$C$4");
    EXPECT_EQ(At(L"A1:B2,D4").Offset(1, 1).Address(absolute), L"$B$2:$C$3,$E$5");
    EXPECT_EQ(At(L"C3").Offset(-2, -2).Address(absolute), L"$A$1");
    EXPECT_EQ(At(L"B2:C3").Resize(3, std::nullopt).Address(absolute), L"$B$2:$C$4");
    EXPECT_EQ(At(L"B2:C3,E5").Resize(std::nullopt, 1).Address(absolute), L"$B$2:$B$3");
    EXPECT_EQ(At(L"A1").Resize(1048576, 2).Address(absolute), L"$A:$B");
    for (const auto& refused : std::vector<std::function<void()>>{
             [&] { At(L"A1").Offset(-1, 0); }, [&] { At(L"XFD1").Offset(0, 1); },
             [&] { At(L"A1048576").Offset(1, 0); }, [&] { At(L"A1").Resize(0, 1); },
             [&] { At(L"A1").Resize(1, -1); }, [&] { At(L"B2").Resize(1048576, 1); }}) {
        EXPECT_EQ(ErrorOf(refused), message::ObjectDefined);
    }
}

}  // namespace
}  // namespace host
