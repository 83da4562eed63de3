// What Office does for an add-in's command-bar buttons: their properties, the Click event through
// connection points, faces by Picture and Mask or through the clipboard, bars kept across a restart,
// and Excel found by its ProgID.
#include "host/excel/Excel.h"
#include "host/excel/ExcelServer.h"
#include "host/excel/FaceClipboard.h"
#include "host/excel/LiveObjects.h"
#include "host/excel/RecordingSink.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

namespace host::test {
namespace {

namespace cb {
constexpr DISPID CommandBars = 0x59F, BarVisible = 0x6004001E, Caption = 0x60040003, Enabled = 0x6004000A,
                 Tag = 0x60040023, TooltipText = 0x60040025, Visible = 0x60040029, CopyFace = 0x60050002,
                 PasteFace = 0x60050005, Style = 0x6005000A, Picture = 0x6005000E, Mask = 0x60050010;
}

// A 3 x 2 picture: a white pixel top left, the rest in colours.
FaceImage SmallPicture()
{
    return {3, 2, {RGB(255, 255, 255), RGB(200, 10, 10), RGB(0, 0, 128), RGB(10, 200, 10), RGB(0, 0, 0), RGB(1, 2, 3)}};
}

FaceImage SmallMask() { return {3, 2, {RGB(255, 255, 255), 0, 0, RGB(255, 255, 255), 0, 0}}; }

struct BitmapHandle {
    HBITMAP handle;
    explicit BitmapHandle(const FaceImage& image) : handle(BitmapOf(image)) {}
    ~BitmapHandle() { DeleteObject(handle); }
};

Variant PictureOf(const BitmapHandle& bitmap)
{
    PICTDESC description{sizeof(PICTDESC), PICTYPE_BITMAP, {}};
    description.bmp.hbitmap = bitmap.handle;
    IDispatch* picture = nullptr;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(&picture));
    return Variant::AdoptDispatch(picture);
}

class ButtonEventTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        baseline = LiveObjects();
        toolbar = excel->CommandBars().Add(L"Zenda Cellwright");
        model = toolbar->Controls().Add(mso::ControlButton, L"Change Case");
        popupModel = toolbar->Controls().Add(mso::ControlPopup, L"More");
    }
    void TearDown() override { EXPECT_EQ(LiveObjects(), baseline) << "a stand-in object was not released"; }

    // The toolbar's control at `index`, as the client reaches it.
    framework::ComPtr<IDispatch> Control(long index)
    {
        framework::ComPtr<IDispatch> app = excel->Application();
        framework::ComPtr<IDispatch> bars = GetObject(app.Get(), cb::CommandBars);
        framework::ComPtr<IDispatch> bar = GetObject(bars.Get(), 0, {Str(L"Zenda Cellwright")});
        return GetObject(GetObject(bar.Get(), 0x60040003).Get(), 0, {Int(index)});
    }
    static framework::ComPtr<IConnectionPoint> PointOf(IDispatch* control)
    {
        framework::ComPtr<IConnectionPointContainer> container;
        framework::ComPtr<IConnectionPoint> point;
        if (SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.ReleaseAndGetAddressOf())))) {
            EXPECT_EQ(container->FindConnectionPoint(DIID_CommandBarButtonEvents, point.ReleaseAndGetAddressOf()), S_OK);
        }
        return point;
    }

    long baseline = 0;
    std::shared_ptr<Excel> excel = Excel::Create();
    std::shared_ptr<CommandBar> toolbar;
    std::shared_ptr<CommandBarControl> model;
    std::shared_ptr<CommandBarControl> popupModel;
};

TEST_F(ButtonEventTest, PropertiesKeepWhatIsSetAndNewBarsAndButtonsStartAsOfficeMakesThem)
{
    EXPECT_FALSE(toolbar->Visible()) << "a new bar is hidden";
    EXPECT_TRUE(model->Enabled() && model->Visible());
    EXPECT_EQ(model->Style(), mso::ButtonAutomatic);
    framework::ComPtr<IDispatch> button = Control(1);
    struct Case {
        DISPID id;
        Variant value;
    };
    const Case cases[] = {{cb::Enabled, Variant::Bool(false)},      {cb::Visible, Variant::Bool(false)},
                          {cb::Tag, Str(L"Change Case")},           {cb::TooltipText, Str(L"Change Case")},
                          {cb::Style, Variant::Long(mso::ButtonIcon)}};
    for (const Case& c : cases) {
        ASSERT_EQ(Put(button.Get(), c.id, c.value).hr, S_OK) << std::hex << c.id;
        EXPECT_EQ(Get(button.Get(), c.id).value.AsString(), c.value.AsString()) << std::hex << c.id;
    }
    EXPECT_FALSE(model->Enabled() || model->Visible());
    EXPECT_EQ(model->Tag(), L"Change Case");
    EXPECT_EQ(model->Style(), mso::ButtonIcon);
    EXPECT_EQ(Get(Control(2).Get(), cb::Style).hr, DISP_E_MEMBERNOTFOUND) << "a popup has no Style";

    framework::ComPtr<IDispatch> app = excel->Application();
    framework::ComPtr<IDispatch> bar = GetObject(GetObject(app.Get(), cb::CommandBars).Get(), 0, {Str(L"Zenda Cellwright")});
    EXPECT_EQ(Put(bar.Get(), cb::BarVisible, Variant::Bool(true)).hr, S_OK);
    EXPECT_TRUE(toolbar->Visible());
}

TEST_F(ButtonEventTest, AClickReachesEverySinkAdvisedOnTheButtonWithTheButtonAndCancelDefault)
{
    auto first = RecordingSink::Create();
    auto second = RecordingSink::Create();
    DWORD firstCookie = 0, secondCookie = 0xdeadbeef;
    {
        // Through two different button objects: the sinks belong to the button itself.
        framework::ComPtr<IConnectionPoint> point = PointOf(Control(1).Get());
        framework::ComPtr<IConnectionPoint> again = PointOf(Control(1).Get());
        ASSERT_TRUE(point && again);
        ASSERT_EQ(point->Advise(first.Get(), &firstCookie), S_OK);
        ASSERT_EQ(again->Advise(second.Get(), &secondCookie), S_OK);
        EXPECT_NE(firstCookie, secondCookie);
    }
    EXPECT_EQ(model->Events().Count(), 2u);
    EXPECT_EQ(excel->Click(model), 2u);
    EXPECT_EQ(first->Clicks(), (std::vector<std::wstring>{L"Change Case"}));
    EXPECT_EQ(second->Clicks(), first->Clicks());

    framework::ComPtr<IConnectionPoint> point = PointOf(Control(1).Get());
    EXPECT_EQ(point->Unadvise(firstCookie), S_OK);
    EXPECT_EQ(point->Unadvise(firstCookie), CONNECT_E_NOCONNECTION);
    model->SetEnabled(false);
    EXPECT_EQ(excel->Click(model), 0u) << "a disabled button is not clicked";
    model->SetEnabled(true);
    EXPECT_EQ(excel->Click(model), 1u);
    EXPECT_EQ(first->Clicks().size(), 1u);
    EXPECT_EQ(second->Clicks().size(), 2u);
    EXPECT_EQ(point->Unadvise(secondCookie), S_OK);
    EXPECT_EQ(second->References(), 1u) << "Office lets an unadvised sink go";
}

TEST_F(ButtonEventTest, OnlyButtonsOfferTheEventAndOnlyToASinkThatAnswersIt)
{
    framework::ComPtr<IConnectionPointContainer> container;
    framework::ComPtr<IDispatch> popup = Control(2);
    EXPECT_EQ(popup->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.ReleaseAndGetAddressOf())),
              E_NOINTERFACE);
    framework::ComPtr<IDispatch> button = Control(1);
    ASSERT_EQ(button->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.ReleaseAndGetAddressOf())), S_OK);
    IConnectionPoint* point = reinterpret_cast<IConnectionPoint*>(0xdeadbeef);
    EXPECT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &point), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point, nullptr);
    framework::ComPtr<IConnectionPoint> events = PointOf(button.Get());
    DWORD cookie = 0xdeadbeef;
    EXPECT_EQ(events->Advise(button.Get(), &cookie), CONNECT_E_CANNOTCONNECT) << "a button is no event sink";
    EXPECT_EQ(cookie, 0u);
    IID iid{};
    EXPECT_EQ(events->GetConnectionInterface(&iid), S_OK);
    EXPECT_TRUE(IsEqualIID(iid, DIID_CommandBarButtonEvents));
}

TEST_F(ButtonEventTest, PictureAndMaskArriveAsPixelsAndOffice2000HasNeither)
{
    BitmapHandle picture(SmallPicture()), mask(SmallMask());
    framework::ComPtr<IDispatch> button = Control(1);
    EXPECT_EQ(Put(button.Get(), cb::Picture, PictureOf(picture)).hr, S_OK);
    EXPECT_EQ(Put(button.Get(), cb::Mask, PictureOf(mask)).hr, S_OK);
    EXPECT_EQ(model->Face().picture, SmallPicture());
    EXPECT_EQ(model->Face().mask, SmallMask());
    EXPECT_EQ(Put(button.Get(), cb::Picture, Str(L"face.bmp")).hr, DISP_E_TYPEMISMATCH);

    excel->SetVersion(L"9.0");
    EXPECT_EQ(Put(Control(1).Get(), cb::Picture, PictureOf(picture)).hr, DISP_E_MEMBERNOTFOUND);
}

TEST_F(ButtonEventTest, CopyFaceAndPasteFaceUseTheClipboardInOfficesTwoRegisteredFormats)
{
    model->SetFace({SmallPicture(), SmallMask()});
    framework::ComPtr<IDispatch> source = Control(1);
    ASSERT_EQ(Call(source.Get(), cb::CopyFace).hr, S_OK);
    ASSERT_TRUE(OpenClipboard(nullptr));
    std::vector<std::pair<std::wstring, SIZE_T>> registered;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        wchar_t name[100] = {};
        if (format > CF_DIBV5 && GetClipboardFormatNameW(format, name, 100) > 0)
            registered.emplace_back(name, GlobalSize(GetClipboardData(format)));
    }
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB)) << "other programs can paste the picture";
    CloseClipboard();
    ASSERT_EQ(registered.size(), 2u);
    EXPECT_EQ(registered[0].first, kFaceFormatName);
    EXPECT_EQ(registered[1].first, kMaskFormatName);
    EXPECT_GT(registered[0].second, registered[1].second) << "the face takes more room than its mask";

    framework::ComPtr<IDispatch> target = GetObject(GetObject(GetObject(excel->Application().Get(), cb::CommandBars).Get(), 0,
                                                   {Str(L"Worksheet Menu Bar")}).Get(), 0x60040003);
    framework::ComPtr<IDispatch> other = GetObject(target.Get(), 0x60030000);
    ASSERT_EQ(Call(other.Get(), cb::PasteFace).hr, S_OK);
    auto pasted = excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Item(4);
    EXPECT_EQ(pasted->Face().picture, SmallPicture());
    EXPECT_EQ(pasted->Face().mask, SmallMask());

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    CallResult nothing = Call(other.Get(), cb::PasteFace);
    EXPECT_EQ(nothing.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(nothing.description, L"Method 'PasteFace' of object 'CommandBarButton' failed");
    model->SetFace({});
    EXPECT_EQ(Call(source.Get(), cb::CopyFace).hr, DISP_E_EXCEPTION) << "no face to copy";
}

TEST_F(ButtonEventTest, ARestartKeepsWhatIsNotTemporaryWithoutItsSinksAndOldObjectsFail)
{
    model->SetTag(L"Change Case");
    model->SetFace({SmallPicture(), SmallMask()});
    toolbar->SetVisible(true);
    popupModel->Controls().Add(mso::ControlButton, L"Gone", 0, true);
    popupModel->Controls().Add(mso::ControlButton, L"Kept");
    excel->CommandBars().Add(L"Temporary bar", mso::BarFloating, false, true);
    auto sink = RecordingSink::Create();
    DWORD cookie = 0;
    framework::ComPtr<IDispatch> old = Control(1);
    PointOf(old.Get())->Advise(sink.Get(), &cookie);

    excel->Restart();
    EXPECT_EQ(sink->References(), 1u) << "the sinks went with Excel";
    EXPECT_EQ(excel->CommandBars().Names(), (std::vector<std::wstring>{L"Worksheet Menu Bar", L"Zenda Cellwright"}));
    auto bar = excel->CommandBars().Find(L"Zenda Cellwright");
    EXPECT_TRUE(bar->Visible());
    auto button = bar->Controls().Item(1);
    EXPECT_NE(button, model);
    EXPECT_EQ(button->Tag(), L"Change Case");
    EXPECT_EQ(button->Face().picture, SmallPicture());
    EXPECT_EQ(button->Events().Count(), 0u);
    EXPECT_EQ(bar->Controls().Item(2)->Controls().Captions(), (std::vector<std::wstring>{L"Kept"}));
    EXPECT_EQ(Get(old.Get(), cb::Tag).hr, DISP_E_EXCEPTION);
}

TEST_F(ButtonEventTest, ACallATestAsksToFailFailsAsOfficeFailsAndOnlyThatOne)
{
    excel->FailCall(L"CommandBarControl.Tag", 2);
    framework::ComPtr<IDispatch> button = Control(1);
    EXPECT_EQ(Get(button.Get(), cb::Tag).hr, S_OK);
    CallResult failed = Put(button.Get(), cb::Tag, Str(L"x"));
    EXPECT_EQ(failed.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(failed.description, L"Method 'Tag' of object 'CommandBarControl' failed");
    EXPECT_EQ(Get(button.Get(), cb::Tag).hr, S_OK);
    EXPECT_EQ(model->Tag(), L"");
}

TEST(ExcelServer, ExcelIsFoundByItsProgIdRunningOrStartedWithoutAWindow)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    const long baseline = LiveObjects();
    {
        ExcelServer server;
        ASSERT_TRUE(server.Registered());
        server.SetStartup([](Excel& excel) { excel.SetVersion(L"11.0"); });
        CLSID clsid{};
        ASSERT_EQ(CLSIDFromProgID(L"Excel.Application", &clsid), S_OK);
        EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_ExcelApplication));
        IUnknown* running = reinterpret_cast<IUnknown*>(0xdeadbeef);
        EXPECT_EQ(GetActiveObject(clsid, nullptr, &running), MK_E_UNAVAILABLE);

        auto excel = Excel::Create();
        server.SetRunning(excel);
        ASSERT_EQ(GetActiveObject(clsid, nullptr, &running), S_OK);
        EXPECT_EQ(Get(framework::ComPtr<IDispatch>::Adopt(static_cast<IDispatch*>(running)).Get(), id::Version).value.AsString(),
                  L"14.0");
        server.SetRunning(nullptr);

        framework::ComPtr<IDispatch> started;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(started.ReleaseAndGetAddressOf())),
                  S_OK);
        ASSERT_EQ(server.Started().size(), 1u);
        EXPECT_EQ(server.Started()[0]->WindowCount(), 0);
        EXPECT_EQ(Get(started.Get(), id::Version).value.AsString(), L"11.0");
    }
    CLSID clsid{};
    EXPECT_NE(CLSIDFromProgID(L"Excel.Application", &clsid), S_OK) << "the ProgID goes with the server";
    EXPECT_EQ(LiveObjects(), baseline);
    OleUninitialize();
}

}  // namespace
}  // namespace host::test
