// What Undo Last Run reads and compares in the stand-in as in Excel: a fill of none, the sheet a range lies
// on and its workbook, a deleted sheet's objects, and Office's undo face on a button.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

namespace host::test {
namespace {

constexpr DISPID kMergeArea = 0x569, kColorIndex = 0x61, kParent = 0x96, kActivate = 0x130, kWorksheet = 0x15C, kFaceId = 0x60050003;

class UndoReach : public ::testing::Test {
protected:
    void SetUp() override { app = excel->Application(); }
    void TearDown() override
    {
        app.Reset();
        EXPECT_EQ(LiveObjects(), baseline);
    }
    framework::ComPtr<IDispatch> RangeAt(const wchar_t* address)
    {
        framework::ComPtr<IDispatch> sheet = GetObject(app.Get(), id::ActiveSheet);
        return GetObject(sheet.Get(), id::Range, {Str(address)});
    }

    long baseline = LiveObjects();
    std::shared_ptr<Excel> excel = Excel::Create();
    framework::ComPtr<IDispatch> app;
};

TEST_F(UndoReach, color_index_tells_no_fill_from_white_and_gives_the_nearest_palette_colour)
{
    Sheet& cells = excel->ActiveSheet();
    cells.SetInteriorColor(L"B1", 0xFFFFFF);
    cells.SetInteriorColor(L"C1", 0x0000FE);  // nearly red: 0xRRGGBB 0xFE0000
    cells.SetInteriorColor(L"D1", 0xFFFFCC);  // light turquoise, 0xCCFFFF: index 20
    struct Case {
        const wchar_t* address;
        VARTYPE type;
        long index;
        double color;
    };
    const Case cases[] = {
        {L"A1", VT_I4, -4142, 0xFFFFFF}, {L"B1", VT_I4, 2, 0xFFFFFF}, {L"C1", VT_I4, 3, 0x0000FE},
        {L"D1", VT_I4, 20, 0xFFFFCC},    {L"A1:B1", VT_NULL, 0, -1},  {L"B1:C1", VT_NULL, 0, -1},
    };
    for (const Case& c : cases) {
        framework::ComPtr<IDispatch> interior = GetObject(RangeAt(c.address).Get(), id::Interior);
        CallResult index = Get(interior.Get(), kColorIndex);
        ASSERT_EQ(index.hr, S_OK) << c.address;
        EXPECT_EQ(index.value.Type(), c.type) << c.address;
        if (c.type == VT_I4) {
            EXPECT_EQ(index.value.AsLong(), c.index) << c.address;
            EXPECT_EQ(Get(interior.Get(), id::Color).value.AsDouble(), c.color) << c.address;
        }
    }
    framework::ComPtr<IDispatch> interior = GetObject(RangeAt(L"B1:D1").Get(), id::Interior);
    EXPECT_EQ(Put(interior.Get(), kColorIndex, Int(-4142)).hr, S_OK);
    EXPECT_EQ(Get(interior.Get(), kColorIndex).value.AsLong(), -4142);
    EXPECT_FALSE(cells.At(L"C1").interiorColor);
}

TEST_F(UndoReach, merge_area_answers_by_excels_own_dispid)
{
    ASSERT_EQ(Call(RangeAt(L"A1:B2").Get(), id::Merge).hr, S_OK);
    framework::ComPtr<IDispatch> area = GetObject(RangeAt(L"B2").Get(), kMergeArea);
    ASSERT_TRUE(area);
    EXPECT_EQ(Get(area.Get(), id::Address).value.AsString(), L"$A$1:$B$2");
}

TEST_F(UndoReach, a_range_knows_its_sheet_and_the_sheet_its_workbook_and_activates)
{
    excel->SetWorkbookName(L"Report.xlsx");
    excel->AddSheet(L"Data");
    framework::ComPtr<IDispatch> range = RangeAt(L"A1");
    framework::ComPtr<IDispatch> sheet = GetObject(range.Get(), kWorksheet);
    EXPECT_EQ(Get(sheet.Get(), id::Name).value.AsString(), L"Sheet1");
    framework::ComPtr<IDispatch> book = GetObject(sheet.Get(), kParent);
    EXPECT_EQ(Get(book.Get(), id::Name).value.AsString(), L"Report.xlsx");
    excel->ActivateSheet(L"Data");
    EXPECT_EQ(Call(sheet.Get(), kActivate).hr, S_OK);
    EXPECT_EQ(excel->ActiveSheet().Name(), L"Sheet1");
}

TEST_F(UndoReach, the_objects_of_a_deleted_sheet_answer_every_call_with_object_required)
{
    excel->AddSheet(L"Data");
    framework::ComPtr<IDispatch> range = RangeAt(L"A1:B2");
    framework::ComPtr<IDispatch> sheet = GetObject(range.Get(), kWorksheet);
    framework::ComPtr<IDispatch> interior = GetObject(range.Get(), id::Interior);
    excel->DeleteSheet(L"Sheet1");
    EXPECT_EQ(excel->ActiveSheet().Name(), L"Data");
    for (const CallResult& call : {Get(sheet.Get(), id::Name), Get(range.Get(), id::Value),
                                   Put(range.Get(), id::Value, Str(L"x")), Get(interior.Get(), id::Color)}) {
        EXPECT_EQ(call.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(call.description, L"Object required");
        EXPECT_EQ(call.scode, HRESULT(0x800A01A8));
    }
    EXPECT_THROW(excel->DeleteSheet(L"Data"), std::invalid_argument) << "a workbook keeps one sheet";
}

TEST_F(UndoReach, face_id_takes_an_office_face_in_place_of_the_buttons_own_and_outlasts_a_restart)
{
    auto menu = excel->CommandBars().Find(L"Worksheet Menu Bar");
    auto button = menu->Controls().Add(mso::ControlButton, L"Undo Last Run");
    button->SetPicture(FaceImage());
    framework::ComPtr<IDispatch> bars = GetObject(app.Get(), 0x59F);
    framework::ComPtr<IDispatch> bar = GetObject(bars.Get(), 0x0, {Str(L"Worksheet Menu Bar")});
    framework::ComPtr<IDispatch> controls = GetObject(bar.Get(), 0x60040003);
    framework::ComPtr<IDispatch> control = GetObject(controls.Get(), 0x0, {Str(L"Undo Last Run")});
    EXPECT_EQ(Get(control.Get(), kFaceId).value.AsLong(), 0);
    EXPECT_EQ(Put(control.Get(), kFaceId, Int(128)).hr, S_OK);
    EXPECT_EQ(button->FaceId(), 128);
    excel->Restart();
    EXPECT_EQ(excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Find(L"Undo Last Run")->FaceId(), 128);
}

}  // namespace
}  // namespace host::test
