#include "tests/host/SheetModelTest.h"

namespace host {
namespace {

class MergeTest : public SheetModelTest {
protected:
    std::wstring Merged() { return FormatAddress(sheet->MergedAreas(), {}); }
};

TEST_F(MergeTest, MergeKeepsOnlyTheTopLeftValue)
{
    sheet->SetText(L"A1", L"first");
    sheet->SetText(L"B1", L"second");
    sheet->SetNumber(L"A2", 3);
    At(L"A1:B2").Merge(false);
    EXPECT_EQ(Merged(), L"$A$1:$B$2");
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Text(L"first"));
    EXPECT_TRUE(sheet->At(L"B1").IsEmpty());
    EXPECT_TRUE(sheet->At(L"A2").IsEmpty());
    EXPECT_TRUE(At(L"A1:B2").MergeCells().AsBool());
    EXPECT_EQ(At(L"A1:C2").MergeCells().Type(), VT_NULL);
    EXPECT_EQ(At(L"B2").MergeArea().Address({}), L"$A$1:$B$2");
}

TEST_F(MergeTest, MergingMoreThanOneValueAsksTheUserFirstAndOneValueOrNoneDoesNot)
{
    At(L"A1:B1").Merge(false);
    sheet->SetText(L"B2", L"only");
    At(L"A2:C2").Merge(false);
    EXPECT_EQ(sheet->MergeQuestions(), 0u);
    sheet->SetText(L"A3", L"first");
    sheet->SetNumber(L"B4", 2);
    At(L"A3:B4").Merge(false);
    EXPECT_EQ(sheet->MergeQuestions(), 1u);
    EXPECT_EQ(sheet->At(L"A3").value, CellValue::Text(L"first"));
}

TEST_F(MergeTest, MergeAcrossMergesEachRowByItself)
{
    sheet->SetText(L"B2", L"row two");
    sheet->SetText(L"C3", L"lost");
    At(L"A2:C3").Merge(true);
    EXPECT_EQ(Merged(), L"$A$2:$C$2,$A$3:$C$3");
    EXPECT_TRUE(sheet->At(L"B2").IsEmpty());
    EXPECT_TRUE(sheet->At(L"C3").IsEmpty());
}

TEST_F(MergeTest, MergingOneCellChangesNothing)
{
    At(L"A1").Merge(false);
    EXPECT_TRUE(sheet->MergedAreas().empty());
}

TEST_F(MergeTest, AMergedAreaReachingIntoTheRangeJoinsTheNewMerge)
{
    At(L"B1:C1").Merge(false);
    At(L"A1:B1").Merge(false);
    EXPECT_EQ(Merged(), L"$A$1:$C$1");
}

TEST_F(MergeTest, AValueWrittenToAMergedAreaLandsInItsTopLeftCell)
{
    At(L"A1:C1").Merge(false);
    At(L"A1:C1").SetValue(Variant::String(L"title").Get());
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Text(L"title"));
    EXPECT_TRUE(sheet->At(L"B1").IsEmpty());
    EXPECT_TRUE(sheet->At(L"C1").IsEmpty());
    At(L"A1").SetValue(Variant::String(L"again").Get());
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Text(L"again"));
}

TEST_F(MergeTest, AnArrayWrittenOverAMergedAreaKeepsOnlyTheTopLeftElementThere)
{
    At(L"A1:B1").Merge(false);
    SAFEARRAYBOUND bounds[2] = {{1, 1}, {3, 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    for (LONG c = 1; c <= 3; ++c) {
        LONG index[2] = {1, c};
        Variant v = Variant::Long(c);
        SafeArrayPutElement(array, index, &v.Get());
    }
    Variant row = Variant::AdoptArray(array, VT_VARIANT);
    At(L"A1:C1").SetValue(row.Get());
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Number(1));
    EXPECT_TRUE(sheet->At(L"B1").IsEmpty());
    EXPECT_EQ(sheet->At(L"C1").value, CellValue::Number(3));
}

TEST_F(MergeTest, WritesThatCutThroughAMergedAreaFailAndChangeNothing)
{
    sheet->SetText(L"D1", L"untouched");
    At(L"A1:C1").Merge(false);
    EXPECT_EQ(ErrorOf([&] { At(L"B1").SetValue(Variant::String(L"x").Get()); }), message::MergedPart);
    EXPECT_EQ(ErrorOf([&] { At(L"B1:D1").SetValue(Variant::String(L"x").Get()); }), message::MergedPart);
    EXPECT_EQ(ErrorOf([&] { At(L"D1,B1:C1").SetValue(Variant::String(L"x").Get()); }), message::MergedPart);
    EXPECT_EQ(sheet->At(L"D1").value, CellValue::Text(L"untouched"));
}

TEST_F(MergeTest, ClearContentsMustTakeInTheWholeMergedArea)
{
    sheet->SetText(L"A1", L"title");
    At(L"A1:B1").Merge(false);
    // Unlike Value, ClearContents refuses even the top-left cell alone.
    EXPECT_EQ(ErrorOf([&] { At(L"A1").ClearContents(); }), message::MergedPart);
    EXPECT_EQ(sheet->At(L"A1").value, CellValue::Text(L"title"));
    At(L"A1:C5").ClearContents();
    EXPECT_TRUE(sheet->At(L"A1").IsEmpty());
    EXPECT_EQ(Merged(), L"$A$1:$B$1");
}

TEST_F(MergeTest, UnMergeDropsEveryMergedAreaTheRangeMeets)
{
    At(L"A1:B1").Merge(false);
    At(L"A3:B4").Merge(false);
    At(L"B1:B3").UnMerge();
    EXPECT_TRUE(sheet->MergedAreas().empty());
    At(L"Z9").UnMerge();
}

TEST_F(MergeTest, WritesThatCutThroughAnArrayFormulaFail)
{
    sheet->SetArrayFormula(L"A1:A3", L"{=B1:B3}", CellValue::Number(0));
    EXPECT_EQ(ErrorOf([&] { At(L"A2").SetValue(Variant::Long(1).Get()); }), message::ArrayPart);
    EXPECT_EQ(ErrorOf([&] { At(L"A1:A2").ClearContents(); }), message::ArrayPart);
    EXPECT_EQ(ErrorOf([&] { At(L"A1:B1").Merge(false); }), message::ArrayPart);
    At(L"A1:A3").SetValue(Variant::Long(1).Get());
    EXPECT_FALSE(sheet->At(L"A2").hasArray);
    At(L"A2").SetValue(Variant::Long(2).Get());
    EXPECT_EQ(sheet->At(L"A2").value, CellValue::Number(2));
}

}  // namespace
}  // namespace host
