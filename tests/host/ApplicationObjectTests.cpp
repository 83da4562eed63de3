// The Application object: selection, InputBox, Union and Intersect, settings, and a chart selection.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

namespace host::test {
namespace {

class ApplicationObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        baseline = LiveObjects();
        app = excel->Application();
    }
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
    static Variant Object(const framework::ComPtr<IDispatch>& object)
    {
        return Variant::AdoptDispatch(framework::ComPtr<IDispatch>(object.Get()).Detach());
    }
    static std::wstring AddressOf(IDispatch* range) { return Get(range, id::Address).value.AsString(); }

    long baseline = 0;
    std::shared_ptr<Excel> excel = Excel::Create();
    framework::ComPtr<IDispatch> app;
};

TEST_F(ApplicationObjectTest, SettingsAreReadAndWrittenAndTestsCanPresetThem)
{
    EXPECT_EQ(Get(app.Get(), id::Calculation).value.AsLong(), -4105);
    EXPECT_EQ(Put(app.Get(), id::Calculation, Int(-4135)).hr, S_OK);
    EXPECT_EQ(excel->Calculation(), -4135);
    CallResult bad = Put(app.Get(), id::Calculation, Int(7));
    EXPECT_EQ(bad.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(bad.description, L"Unable to set the Calculation property of the Application class");
    EXPECT_EQ(Put(app.Get(), id::ScreenUpdating, Variant::Bool(false)).hr, S_OK);
    EXPECT_FALSE(excel->ScreenUpdating());
    EXPECT_EQ(Put(app.Get(), id::EnableEvents, Variant::Bool(false)).hr, S_OK);
    EXPECT_FALSE(excel->EnableEvents());
    excel->SetEnableEvents(true);
    EXPECT_EQ(Get(app.Get(), id::EnableEvents).value.Get().boolVal, VARIANT_TRUE);
    EXPECT_EQ(Get(app.Get(), id::Version).value.AsString(), L"14.0");
    excel->SetVersion(L"11.0");
    EXPECT_EQ(Get(app.Get(), id::Version).value.AsString(), L"11.0");
    EXPECT_EQ(Call(app.Get(), id::Quit).hr, S_OK);
    EXPECT_EQ(excel->QuitCount(), 1);
    framework::ComPtr<IDispatch> windows = GetObject(app.Get(), id::Windows);
    excel->SetWindowCount(2);
    EXPECT_EQ(Get(windows.Get(), id::Count).value.AsLong(), 2);
}

TEST_F(ApplicationObjectTest, StatusBarReadsFalseWhileExcelsOwnShowsAndEveryPutIsRecorded)
{
    CallResult own = Get(app.Get(), id::StatusBar);
    EXPECT_EQ(own.value.Type(), VT_BOOL);
    EXPECT_FALSE(own.value.AsBool());
    EXPECT_EQ(Put(app.Get(), id::StatusBar, Str(L"Working")).hr, S_OK);
    EXPECT_EQ(Get(app.Get(), id::StatusBar).value.AsString(), L"Working");
    EXPECT_EQ(Put(app.Get(), id::StatusBar, Variant::Bool(false)).hr, S_OK);
    EXPECT_EQ(Get(app.Get(), id::StatusBar).value.Type(), VT_BOOL);
    EXPECT_EQ(Put(app.Get(), id::StatusBar, Int(42)).hr, S_OK);
    EXPECT_EQ(excel->StatusBarPuts(),
              (std::vector<std::optional<std::wstring>>{L"Working", std::nullopt, L"42"}));
    excel->SetStatusBar(L"A macro's text");
    EXPECT_EQ(Get(app.Get(), id::StatusBar).value.AsString(), L"A macro's text");
    EXPECT_EQ(excel->StatusBarPuts().size(), 3u) << "a fixture is no put";
    excel->SetStatusBarFails(true);
    EXPECT_EQ(Get(app.Get(), id::StatusBar).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(Put(app.Get(), id::StatusBar, Str(L"x")).hr, DISP_E_EXCEPTION);
}

TEST_F(ApplicationObjectTest, InputBoxAnswersFromTheQueueAndRecordsItsArguments)
{
    excel->QueueInputBoxRange(L"$B$2:$C$5");
    excel->QueueInputBoxCancel();
    std::vector<Variant> args = {Str(L"Pick"), Str(L"Select data"), Str(L"$A$1"), Missing(), Missing(),
                                 Missing(), Missing(), Variant::Short(8)};
    CallResult picked = Call(app.Get(), id::InputBox, args);
    ASSERT_EQ(picked.hr, S_OK);
    ASSERT_EQ(picked.value.Type(), VT_DISPATCH);
    EXPECT_EQ(AddressOf(picked.value.Get().pdispVal), L"$B$2:$C$5");
    CallResult cancelled = Call(app.Get(), id::InputBox, args);
    EXPECT_EQ(cancelled.value.Type(), VT_BOOL);
    EXPECT_EQ(cancelled.value.Get().boolVal, VARIANT_FALSE);
    CallResult nothingQueued = Call(app.Get(), id::InputBox, {Str(L"Again")});
    EXPECT_EQ(nothingQueued.value.Type(), VT_BOOL);

    ASSERT_EQ(excel->InputBoxCalls().size(), 3u);
    const InputBoxCall& first = excel->InputBoxCalls().front();
    EXPECT_EQ(first.prompt, L"Pick");
    EXPECT_EQ(first.title.AsString(), L"Select data");
    EXPECT_EQ(first.defaultValue.AsString(), L"$A$1");
    EXPECT_EQ(first.left.Type(), VT_ERROR);
    EXPECT_EQ(first.helpContextId.Get().scode, DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(first.type.Type(), VT_I2);
    EXPECT_EQ(first.type.AsLong(), 8);
    EXPECT_EQ(excel->InputBoxCalls().back().title.Type(), VT_ERROR);
}

TEST_F(ApplicationObjectTest, InputBoxGivesTypedTextAsTextOrAsANumber)
{
    excel->QueueInputBoxText(L"42");
    excel->QueueInputBoxText(L"42");
    EXPECT_EQ(Call(app.Get(), id::InputBox, {Str(L"n"), Missing(), Missing(), Missing(), Missing(), Missing(),
                                             Missing(), Int(1)})
                  .value.Type(),
              VT_R8);
    EXPECT_EQ(Call(app.Get(), id::InputBox, {Str(L"t")}).value.Type(), VT_BSTR);
}

TEST_F(ApplicationObjectTest, UnionJoinsRangesAndRefusesNothing)
{
    framework::ComPtr<IDispatch> a = RangeAt(L"A2:C2");
    framework::ComPtr<IDispatch> b = RangeAt(L"A3:C3");
    CallResult joined = Call(app.Get(), id::Union, {Object(a), Object(b)});
    ASSERT_EQ(joined.hr, S_OK);
    EXPECT_EQ(AddressOf(joined.value.Get().pdispVal), L"$A$2:$C$3");
    EXPECT_EQ(Call(app.Get(), id::Union, {Object(a)}).hr, DISP_E_PARAMNOTOPTIONAL);
    CallResult nothing = Call(app.Get(), id::Union, {Object(a), Variant::AdoptDispatch(nullptr)});
    EXPECT_EQ(nothing.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(Call(app.Get(), id::Union, {Object(a), Str(L"A1")}).hr, DISP_E_TYPEMISMATCH);
}

TEST_F(ApplicationObjectTest, IntersectGivesNothingWhenRangesDoNotMeet)
{
    framework::ComPtr<IDispatch> a = RangeAt(L"A1:C3");
    framework::ComPtr<IDispatch> b = RangeAt(L"B2:D4");
    framework::ComPtr<IDispatch> c = RangeAt(L"F9");
    CallResult common = Call(app.Get(), id::Intersect, {Object(a), Object(b)});
    EXPECT_EQ(AddressOf(common.value.Get().pdispVal), L"$B$2:$C$3");
    CallResult none = Call(app.Get(), id::Intersect, {Object(a), Object(c)});
    EXPECT_EQ(none.hr, S_OK);
    EXPECT_EQ(none.value.Type(), VT_DISPATCH);
    EXPECT_EQ(none.value.Get().pdispVal, nullptr);
}

TEST_F(ApplicationObjectTest, AChartSelectionHasNoRangeMembers)
{
    excel->SelectChart();
    framework::ComPtr<IDispatch> chart = GetObject(app.Get(), id::Selection);
    EXPECT_EQ(Get(chart.Get(), id::Name).value.AsString(), L"Chart 1");
    EXPECT_EQ(Get(chart.Get(), id::Rows).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Get(chart.Get(), id::Address).hr, DISP_E_MEMBERNOTFOUND);
    LPOLESTR name = const_cast<LPOLESTR>(L"Areas");
    DISPID dispid = 0;
    EXPECT_EQ(chart->GetIDsOfNames(IID_NULL, &name, 1, 0, &dispid), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(excel->Log().Count(L"ChartObject.#0x102", Kind::Get), 1u);
    // Selecting cells again ends the chart selection.
    framework::ComPtr<IDispatch> b2 = RangeAt(L"B2");
    Call(b2.Get(), id::Select);
    framework::ComPtr<IDispatch> selection = GetObject(app.Get(), id::Selection);
    EXPECT_EQ(AddressOf(selection.Get()), L"$B$2");
}

TEST_F(ApplicationObjectTest, RangesOfAnotherSheetCannotBeSelected)
{
    excel->AddSheet(L"Other");
    excel->QueueInputBoxRange(L"Other!A1:B2");
    CallResult picked = Call(app.Get(), id::InputBox, {Str(L"p"), Missing(), Missing(), Missing(), Missing(),
                                                       Missing(), Missing(), Int(8)});
    ASSERT_EQ(picked.value.Type(), VT_DISPATCH);
    CallResult select = Call(picked.value.Get().pdispVal, id::Select);
    EXPECT_EQ(select.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(select.description, L"Select method of Range class failed");
    EXPECT_EQ(Get(picked.value.Get().pdispVal, id::Address, {Missing(), Missing(), Missing(), Variant::Bool(true)})
                  .value.AsString(),
              L"[Book1]Other!$A$1:$B$2");
}

}  // namespace
}  // namespace host::test
