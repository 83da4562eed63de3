// Range, Areas and Interior objects driven through Invoke.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

namespace host::test {
namespace {

class RangeObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        baseline = LiveObjects();
        app = excel->Application();
        sheet = GetObject(app.Get(), id::ActiveSheet);
    }
    void TearDown() override
    {
        sheet.Reset();
        app.Reset();
        EXPECT_EQ(LiveObjects(), baseline);
    }

    framework::ComPtr<IDispatch> RangeAt(const wchar_t* address) { return GetObject(sheet.Get(), id::Range, {Str(address)}); }
    static std::wstring AddressOf(IDispatch* range) { return Get(range, id::Address).value.AsString(); }
    static long CountOf(IDispatch* object) { return Get(object, id::Count).value.AsLong(); }

    long baseline = 0;
    std::shared_ptr<Excel> excel = Excel::Create();
    Sheet& cells = excel->ActiveSheet();
    framework::ComPtr<IDispatch> app;
    framework::ComPtr<IDispatch> sheet;
};

TEST_F(RangeObjectTest, SelectionWalksAreaByAreaAsTheToolsDo)
{
    excel->Select(L"$A$1:$C$3,$E$5");
    framework::ComPtr<IDispatch> selection = GetObject(app.Get(), id::Selection);
    EXPECT_EQ(AddressOf(selection.Get()), L"$A$1:$C$3,$E$5");
    EXPECT_EQ(CountOf(selection.Get()), 10);
    framework::ComPtr<IDispatch> rows = GetObject(selection.Get(), id::Rows);
    EXPECT_EQ(CountOf(rows.Get()), 3);
    framework::ComPtr<IDispatch> areas = GetObject(selection.Get(), id::Areas);
    EXPECT_EQ(CountOf(areas.Get()), 2);
    framework::ComPtr<IDispatch> second = GetObject(areas.Get(), id::Item, {Int(2)});
    EXPECT_EQ(AddressOf(second.Get()), L"$E$5");
    CallResult third = Get(areas.Get(), id::Item, {Int(3)});
    EXPECT_EQ(third.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(third.description, L"Unable to get the Item property of the Areas class");
    framework::ComPtr<IDispatch> row2 = GetObject(rows.Get(), id::Item, {Int(2), Missing()});
    EXPECT_EQ(AddressOf(row2.Get()), L"$A$2:$C$2");
}

TEST_F(RangeObjectTest, ValueRoundTripsThroughInvoke)
{
    framework::ComPtr<IDispatch> range = RangeAt(L"A1:B2");
    EXPECT_EQ(Put(range.Get(), id::Value, Str(L"12%")).hr, S_OK);
    EXPECT_EQ(cells.At(L"B2").value, CellValue::Number(0.12));
    EXPECT_EQ(Get(range.Get(), id::Text).value.AsString(), L"12%");
    CallResult value = Get(range.Get(), id::Value);
    EXPECT_EQ(value.value.Type(), VT_ARRAY | VT_VARIANT);
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1");
    EXPECT_EQ(Get(a1.Get(), id::Value).value.AsDouble(), 0.12);
    // DISPID 0 is Value without arguments and Item with them.
    EXPECT_EQ(Get(a1.Get(), 0).value.AsDouble(), 0.12);
    framework::ComPtr<IDispatch> b2 = GetObject(range.Get(), 0, {Int(2), Int(2)});
    EXPECT_EQ(AddressOf(b2.Get()), L"$B$2");
}

TEST_F(RangeObjectTest, AValueTakenFromAnotherRangeIsItsValue)
{
    cells.SetText(L"A1", L"source");
    framework::ComPtr<IDispatch> source = RangeAt(L"A1");
    framework::ComPtr<IDispatch> target = RangeAt(L"C1");
    EXPECT_EQ(Put(target.Get(), id::Value, Variant::AdoptDispatch(framework::ComPtr<IDispatch>(source.Get()).Detach())).hr,
              S_OK);
    EXPECT_EQ(cells.At(L"C1").value, CellValue::Text(L"source"));
}

TEST_F(RangeObjectTest, FormulaFlagsComeBackAsBooleansOrNull)
{
    cells.SetFormula(L"A1", L"=B1", CellValue::Number(0));
    cells.SetText(L"A2", L"x");
    framework::ComPtr<IDispatch> both = RangeAt(L"A1:A2");
    framework::ComPtr<IDispatch> first = RangeAt(L"A1");
    EXPECT_EQ(Get(both.Get(), id::HasFormula).value.Type(), VT_NULL);
    CallResult one = Get(first.Get(), id::HasFormula);
    EXPECT_EQ(one.value.Type(), VT_BOOL);
    EXPECT_EQ(one.value.Get().boolVal, VARIANT_TRUE);
    EXPECT_EQ(Get(first.Get(), id::HasArray).value.Get().boolVal, VARIANT_FALSE);
}

TEST_F(RangeObjectTest, FormatsAreWrittenThroughTheirMembers)
{
    framework::ComPtr<IDispatch> range = RangeAt(L"B2:C2");
    framework::ComPtr<IDispatch> interior = GetObject(range.Get(), id::Interior);
    EXPECT_EQ(Put(interior.Get(), id::Color, Int(0x00332211)).hr, S_OK);
    EXPECT_EQ(cells.At(L"C2").interiorColor, COLORREF(0x00332211));
    CallResult color = Get(interior.Get(), id::Color);
    EXPECT_EQ(color.value.Type(), VT_R8);
    EXPECT_EQ(color.value.AsDouble(), double(0x00332211));
    EXPECT_EQ(Put(interior.Get(), id::Color, Int(-5)).description, L"Unable to set the Color property of the Interior class");
    EXPECT_EQ(Put(range.Get(), id::HorizontalAlignment, Int(-4152)).hr, S_OK);
    EXPECT_EQ(Put(range.Get(), id::VerticalAlignment, Int(-4160)).hr, S_OK);
    EXPECT_EQ(Put(range.Get(), id::WrapText, Variant::Bool(true)).hr, S_OK);
    Cell c2 = cells.At(L"C2");
    EXPECT_EQ(c2.horizontalAlignment, -4152);
    EXPECT_EQ(c2.verticalAlignment, -4160);
    EXPECT_TRUE(c2.wrapText);
    framework::ComPtr<IDispatch> columns = GetObject(range.Get(), id::EntireColumn);
    EXPECT_EQ(AddressOf(columns.Get()), L"$B:$C");
    CallResult width = Get(columns.Get(), id::ColumnWidth);
    EXPECT_EQ(width.value.AsDouble(), 8.43);
    EXPECT_EQ(Put(columns.Get(), id::ColumnWidth, width.value).hr, S_OK);
    EXPECT_EQ(Put(columns.Get(), id::ColumnWidth, Variant::Double(30)).hr, S_OK);
    EXPECT_EQ(cells.ColumnWidth(3), 30.0);
}

TEST_F(RangeObjectTest, HowCellsAreDrawnReadsOneSettingOrNullWhereTheyDiffer)
{
    constexpr DISPID kFont = 0x92, kSize = 0x68, kBold = 0x60, kName = 0x6E, kIndent = 0xC9, kShrink = 0xD1,
                     kOrientation = 0x86, kConditions = 0x570;
    cells.SetLook(L"A2", FormatProperty::FontSize, {1400, L""});
    cells.SetLook(L"A2", FormatProperty::IndentLevel, {3, L""});
    cells.AddConditionalFormat(L"A3:B3");
    framework::ComPtr<IDispatch> plain = RangeAt(L"B1:B2");
    framework::ComPtr<IDispatch> mixed = RangeAt(L"A1:A2");
    framework::ComPtr<IDispatch> plainFont = GetObject(plain.Get(), kFont);
    framework::ComPtr<IDispatch> mixedFont = GetObject(mixed.Get(), kFont);
    EXPECT_EQ(Get(plainFont.Get(), kSize).value.AsDouble(), 10.0);
    EXPECT_EQ(Get(plainFont.Get(), kName).value.AsString(), L"Arial");
    EXPECT_EQ(Get(plainFont.Get(), kBold).value.Get().boolVal, VARIANT_FALSE);
    EXPECT_EQ(Get(mixedFont.Get(), kSize).value.Type(), VT_NULL);
    EXPECT_EQ(Get(mixed.Get(), kIndent).value.Type(), VT_NULL);
    EXPECT_EQ(Get(plain.Get(), kIndent).value.AsLong(), 0);
    EXPECT_EQ(Get(plain.Get(), kShrink).value.Get().boolVal, VARIANT_FALSE);
    EXPECT_EQ(Get(plain.Get(), kOrientation).value.AsLong(), -4128);
    framework::ComPtr<IDispatch> none = GetObject(plain.Get(), kConditions);
    framework::ComPtr<IDispatch> one = GetObject(RangeAt(L"B1:B9").Get(), kConditions);
    EXPECT_EQ(CountOf(none.Get()), 0);
    EXPECT_EQ(CountOf(one.Get()), 1);
}

TEST_F(RangeObjectTest, MergeTakesItsAcrossArgumentMissingOrGiven)
{
    cells.SetText(L"A1", L"kept");
    cells.SetText(L"B1", L"dropped");
    framework::ComPtr<IDispatch> range = RangeAt(L"A1:B2");
    EXPECT_EQ(Call(range.Get(), id::Merge, {Missing()}).hr, S_OK);
    EXPECT_EQ(cells.MergedAreas().size(), 1u);
    EXPECT_TRUE(cells.At(L"B1").IsEmpty());
    EXPECT_EQ(Call(range.Get(), id::UnMerge).hr, S_OK);
    EXPECT_EQ(Call(range.Get(), id::Merge, {Variant::Bool(true)}).hr, S_OK);
    EXPECT_EQ(cells.MergedAreas().size(), 2u);
    framework::ComPtr<IDispatch> b1 = RangeAt(L"B1");
    CallResult cut = Put(b1.Get(), id::Value, Str(L"x"));
    EXPECT_EQ(cut.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(cut.description, L"Cannot change part of a merged cell.");
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1");
    EXPECT_EQ(Call(a1.Get(), id::ClearContents).description, L"Cannot change part of a merged cell.");
}

TEST_F(RangeObjectTest, SelectMakesTheRangeExcelsSelection)
{
    framework::ComPtr<IDispatch> range = RangeAt(L"B2:B4");
    CallResult selected = Call(range.Get(), id::Select);
    EXPECT_EQ(selected.hr, S_OK);
    EXPECT_EQ(selected.value.Type(), VT_BOOL);
    EXPECT_EQ(excel->SelectionAddress(), L"$B$2:$B$4");
}

TEST_F(RangeObjectTest, UsedRangeBoundsTheCellsInUse)
{
    cells.SetText(L"C3", L"a");
    cells.SetNumber(L"E7", 1);
    framework::ComPtr<IDispatch> used = GetObject(sheet.Get(), id::UsedRange);
    EXPECT_EQ(AddressOf(used.Get()), L"$C$3:$E$7");
    excel->ActiveSheet().ClearCell(L"C3");
    excel->ActiveSheet().ClearCell(L"E7");
    framework::ComPtr<IDispatch> none = GetObject(sheet.Get(), id::UsedRange);
    EXPECT_EQ(AddressOf(none.Get()), L"$A$1");
}

TEST_F(RangeObjectTest, RowAndColumnAreThoseOfTheFirstCell)
{
    framework::ComPtr<IDispatch> range = RangeAt(L"C5:D9,A1");
    EXPECT_EQ(Get(range.Get(), id::Row).value.AsLong(), 5);
    EXPECT_EQ(Get(range.Get(), id::Column).value.AsLong(), 3);
}

TEST_F(RangeObjectTest, OffsetResizeAndFormulaAnswerThroughInvokeWithTheirArgumentsOptional)
{
    cells.SetFormula(L"C3", L"=A1", CellValue::Number(0));
    cells.SetText(L"D3", L"x");
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1:B2");
    framework::ComPtr<IDispatch> moved = GetObject(a1.Get(), id::Offset, {Int(2), Int(2)});
    EXPECT_EQ(AddressOf(moved.Get()), L"$C$3:$D$4");
    framework::ComPtr<IDispatch> down = GetObject(a1.Get(), id::Offset, {Int(1)});
    EXPECT_EQ(AddressOf(down.Get()), L"$A$2:$B$3");
    framework::ComPtr<IDispatch> across = GetObject(a1.Get(), id::Offset, {Missing(), Int(1)});
    EXPECT_EQ(AddressOf(across.Get()), L"$B$1:$C$2");
    framework::ComPtr<IDispatch> block = GetObject(moved.Get(), id::Resize, {Missing(), Int(2)});
    EXPECT_EQ(AddressOf(block.Get()), L"$C$3:$D$4");
    framework::ComPtr<IDispatch> row = GetObject(moved.Get(), id::Resize, {Int(1)});
    EXPECT_EQ(AddressOf(row.Get()), L"$C$3:$D$3");
    CallResult formulas = Get(row.Get(), id::Formula);
    ASSERT_EQ(formulas.hr, S_OK);
    ASSERT_EQ(formulas.value.Type(), VT_ARRAY | VT_VARIANT);
    LONG index[2] = {1, 1};
    VARIANT element;
    VariantInit(&element);
    SafeArrayGetElement(formulas.value.Get().parray, index, &element);
    EXPECT_EQ(Variant::Adopt(element).AsString(), L"=A1");
    EXPECT_EQ(Put(moved.Get(), id::Formula, Str(L"=1+1")).hr, S_OK);
    EXPECT_TRUE(cells.At(L"D4").hasFormula);
    CallResult refused = Get(a1.Get(), id::Offset, {Int(-1), Int(0)});
    EXPECT_EQ(refused.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(refused.description, L"Application-defined or object-defined error");
}

}  // namespace
}  // namespace host::test

namespace host::test {
namespace {

TEST_F(RangeObjectTest, AnEmptyValueOrAFillColourReachesEveryAreaOfARange)
{
    // As in Excel: a scalar written to several areas fills each, and so does Interior.Color.
    for (const wchar_t* address : {L"A1", L"B1", L"A3", L"B3", L"A2"}) cells.SetText(address, L"x");
    framework::ComPtr<IDispatch> range = RangeAt(L"A1:B1,A3:B3");
    EXPECT_EQ(Put(range.Get(), id::Value, Variant()).hr, S_OK);
    framework::ComPtr<IDispatch> interior = GetObject(range.Get(), id::Interior);
    EXPECT_EQ(Put(interior.Get(), id::Color, Int(0xFF)).hr, S_OK);
    for (const wchar_t* address : {L"A1", L"B1", L"A3", L"B3"}) {
        EXPECT_TRUE(cells.At(address).IsEmpty()) << address;
        EXPECT_EQ(cells.At(address).interiorColor, COLORREF(0xFF));
    }
    EXPECT_FALSE(cells.At(L"A2").IsEmpty());
    EXPECT_FALSE(cells.At(L"A2").interiorColor);
}

TEST_F(RangeObjectTest, RangeTakesAReferenceTextOfAtMost255Characters)
{
    // Excel refuses a longer text (error 1004), however valid the reference.
    std::wstring at255 = L"A1";
    for (int i = 0; i < 83; ++i) at255 += L",B1";
    at255 += L",B10";
    std::wstring at256 = at255 + L"0";
    ASSERT_EQ(at255.size(), 255u);
    CallResult taken = Get(sheet.Get(), id::Range, {Str(at255.c_str())});
    EXPECT_EQ(taken.hr, S_OK);
    EXPECT_EQ(CountOf(taken.value.Get().pdispVal), 85);
    CallResult refused = Get(sheet.Get(), id::Range, {Str(at256.c_str())});
    EXPECT_EQ(refused.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(refused.description, L"Range method of _Worksheet class failed");
}

// Excel reads a string put through Value by the language the call names; the user's for the default
// locale. Formula is English whatever the call says.
TEST_F(RangeObjectTest, AStringPutIsReadInTheLanguageOfTheCall)
{
    excel->SetUserLocale(0x0407);
    framework::ComPtr<IDispatch> cell = RangeAt(L"A1");
    const auto put = [&](DISPID member, LCID locale, const wchar_t* text) {
        VARIANT value;
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocString(text);
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&value, &named, 1, 1};
        EXPECT_EQ(cell->Invoke(member, IID_NULL, locale, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr), S_OK);
        VariantClear(&value);
        return cells.At(L"A1").value;
    };
    EXPECT_EQ(put(id::Value, 1033, L"wahr"), CellValue::Text(L"wahr"));
    EXPECT_EQ(put(id::Value, 1031, L"wahr"), CellValue::Boolean(true));
    EXPECT_EQ(put(id::Value, LOCALE_USER_DEFAULT, L"1,5"), CellValue::Number(1.5));
    EXPECT_EQ(put(id::Value, 0, L"falsch"), CellValue::Boolean(false)) << "a neutral locale is the user's";
    EXPECT_EQ(put(id::Formula, 1031, L"wahr"), CellValue::Text(L"wahr"));
}

// For Each's enumerator: cells area by area, each left to right then down, many a call; Skip hands over none.
TEST_F(RangeObjectTest, ForEachHandsOverTheCellsAreaByAreaManyACallAndFailsOnADeletedSheet)
{
    excel->AddSheet(L"Data");
    excel->ActivateSheet(L"Sheet1");
    excel->Select(L"$A$1:$B$2,$D$5");
    framework::ComPtr<IDispatch> selection = GetObject(app.Get(), id::Selection);
    CallResult made = Get(selection.Get(), DISPID_NEWENUM);
    ASSERT_EQ(made.hr, S_OK);
    ASSERT_EQ(made.value.Type(), VT_UNKNOWN);
    framework::ComPtr<IEnumVARIANT> cells;
    ASSERT_EQ(made.value.Get().punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(cells.ReleaseAndGetAddressOf())), S_OK);
    made = CallResult{};
    auto next = [&](ULONG count, HRESULT expected) {
        std::vector<VARIANT> items(count);
        ULONG fetched = 0;
        EXPECT_EQ(cells->Next(count, items.data(), &fetched), expected);
        std::vector<std::wstring> addresses;
        for (ULONG i = 0; i < fetched; ++i) {
            addresses.push_back(AddressOf(items[i].pdispVal));
            VariantClear(&items[i]);
        }
        return addresses;
    };
    excel->ClearLog();
    EXPECT_EQ(next(3, S_OK), (std::vector<std::wstring>{L"$A$1", L"$B$1", L"$A$2"}));
    EXPECT_EQ(cells->Skip(1), S_OK);
    EXPECT_EQ(next(5, S_FALSE), (std::vector<std::wstring>{L"$D$5"})) << "the last cell, and no more";
    EXPECT_EQ(excel->Log().Count(L"Enumerator.Next"), 2u);
    EXPECT_EQ(excel->Log().Count(L"Enumerator.Skip"), 1u);
    ASSERT_EQ(cells->Reset(), S_OK);
    excel->DeleteSheet(L"Sheet1");
    EXPECT_EQ(next(1, E_FAIL), std::vector<std::wstring>{}) << "a deleted sheet's cells are gone";
}

}  // namespace
}  // namespace host::test
