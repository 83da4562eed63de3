// Office's command bars as the add-in meets them through Application.CommandBars.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

namespace host::test {
namespace {

namespace cb {
constexpr DISPID CommandBars = 0x59F, Item = 0x0, ActiveMenuBar = 0x60030001, BarsAdd = 0x60030002,
                 BarControls = 0x60040003, BarDelete = 0x60040004, ControlsAdd = 0x60030000,
                 ControlsCount = 0x60030001, BeginGroup = 0x60040000, Caption = 0x60040003,
                 ControlDelete = 0x60040007, PopupControls = 0x60050001;
}

using Captions = std::vector<std::wstring>;

class CommandBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        baseline = LiveObjects();
        app = excel->Application();
        bars = GetObject(app.Get(), cb::CommandBars);
    }
    void TearDown() override
    {
        bars.Reset();
        app.Reset();
        EXPECT_EQ(LiveObjects(), baseline) << "a command-bar object was not released";
    }

    framework::ComPtr<IDispatch> MenuControls()
    {
        framework::ComPtr<IDispatch> menu = GetObject(bars.Get(), cb::Item, {Str(L"Worksheet Menu Bar")});
        return GetObject(menu.Get(), cb::BarControls);
    }
    static std::wstring CaptionOf(IDispatch* control) { return Get(control, cb::Caption).value.AsString(); }
    static void ExpectInvalidCall(const CallResult& result)
    {
        EXPECT_EQ(result.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(result.description, L"Invalid procedure call or argument");
        EXPECT_EQ(result.scode, HRESULT(0x800A0005));
    }

    long baseline = 0;
    std::shared_ptr<Excel> excel = Excel::Create();
    framework::ComPtr<IDispatch> app;
    framework::ComPtr<IDispatch> bars;
};

TEST_F(CommandBarTest, ItemFindsBarsAndControlsByNameWithoutCaseOrAcceleratorsAndByNumberFromOne)
{
    framework::ComPtr<IDispatch> active = GetObject(bars.Get(), cb::ActiveMenuBar);
    framework::ComPtr<IDispatch> first = GetObject(bars.Get(), cb::Item, {Int(1)});
    framework::ComPtr<IDispatch> byName = GetObject(bars.Get(), cb::Item, {Str(L"worksheet MENU bar")});
    framework::ComPtr<IDispatch> controls = GetObject(active.Get(), cb::BarControls);
    EXPECT_EQ(Get(controls.Get(), cb::ControlsCount).value.AsLong(), 3);
    EXPECT_EQ(Get(GetObject(first.Get(), cb::BarControls).Get(), cb::ControlsCount).value.AsLong(), 3);
    EXPECT_EQ(CaptionOf(GetObject(controls.Get(), cb::Item, {Str(L"file")}).Get()), L"&File");
    EXPECT_EQ(CaptionOf(GetObject(controls.Get(), cb::Item, {Str(L"&HELP")}).Get()), L"&Help");
    EXPECT_EQ(CaptionOf(GetObject(controls.Get(), cb::Item, {Variant::Short(2)}).Get()), L"&Edit");

    ExpectInvalidCall(Get(bars.Get(), cb::Item, {Str(L"Zenda Cellwright")}));
    ExpectInvalidCall(Get(bars.Get(), cb::Item, {Int(2)}));
    ExpectInvalidCall(Get(controls.Get(), cb::Item, {Str(L"Zenda Utilities")}));
    ExpectInvalidCall(Get(controls.Get(), cb::Item, {Int(0)}));
    ExpectInvalidCall(Get(controls.Get(), cb::Item, {Int(4)}));
    EXPECT_EQ(Get(controls.Get(), cb::Item).hr, DISP_E_PARAMNOTOPTIONAL);
}

TEST_F(CommandBarTest, AddPutsBarsAndControlsWhereAskedAndItemFindsThem)
{
    framework::ComPtr<IDispatch> toolbar =
        GetObject(bars.Get(), cb::BarsAdd, {Str(L"Zenda Cellwright"), Int(4), Missing(), Variant::Bool(false)});
    framework::ComPtr<IDispatch> found = GetObject(bars.Get(), cb::Item, {Str(L"ZENDA CELLWRIGHT")});
    auto bar = excel->CommandBars().Find(L"Zenda Cellwright");
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->Position(), 4);
    EXPECT_FALSE(bar->Temporary() || bar->IsMenuBar());
    ExpectInvalidCall(Call(bars.Get(), cb::BarsAdd, {Str(L"zenda cellwright")}));
    framework::ComPtr<IDispatch> unnamed = GetObject(bars.Get(), cb::BarsAdd);
    EXPECT_EQ(excel->CommandBars().Names(), (Captions{L"Worksheet Menu Bar", L"Zenda Cellwright", L"Custom 1"}));

    // Controls.Add(Type:=msoControlPopup, Temporary:=False) with the parameter DISPIDs GetIDsOfNames gives.
    framework::ComPtr<IDispatch> menu = MenuControls();
    wchar_t add[] = L"add", type[] = L"TYPE", temporary[] = L"Temporary";
    LPOLESTR names[] = {add, type, temporary};
    DISPID ids[3] = {};
    ASSERT_EQ(menu->GetIDsOfNames(IID_NULL, names, 3, LOCALE_USER_DEFAULT, ids), S_OK);
    EXPECT_EQ(ids[0], cb::ControlsAdd);
    CallResult added = Invoke(menu.Get(), ids[0], DISPATCH_METHOD, {Variant::Bool(false), Int(10)}, {ids[2], ids[1]});
    ASSERT_EQ(added.hr, S_OK);
    framework::ComPtr<IDispatch> family = added.Object();
    EXPECT_EQ(Put(family.Get(), cb::Caption, Str(L"Zenda Utilities")).hr, S_OK);
    framework::ComPtr<IDispatch> inside = GetObject(family.Get(), cb::PopupControls);
    framework::ComPtr<IDispatch> website = GetObject(inside.Get(), cb::ControlsAdd, {Int(1)});
    EXPECT_EQ(Put(website.Get(), cb::BeginGroup, Variant::Bool(true)).hr, S_OK);
    framework::ComPtr<IDispatch> submenu = GetObject(inside.Get(), cb::ControlsAdd, {Int(10), Missing(), Missing(), Int(1)});
    EXPECT_EQ(Put(submenu.Get(), cb::Caption, Str(L"Cellwright")).hr, S_OK);
    EXPECT_EQ(Get(website.Get(), cb::PopupControls).hr, DISP_E_MEMBERNOTFOUND);
    ExpectInvalidCall(Call(inside.Get(), cb::ControlsAdd, {Int(1), Missing(), Missing(), Int(4)}));
    ExpectInvalidCall(Call(inside.Get(), cb::ControlsAdd, {Int(2)}));

    EXPECT_EQ(CaptionOf(GetObject(menu.Get(), cb::Item, {Str(L"zenda utilities")}).Get()), L"Zenda Utilities");
    EXPECT_EQ(Get(menu.Get(), cb::ControlsCount).value.AsLong(), 4);
    auto popup = excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Find(L"Zenda Utilities");
    ASSERT_TRUE(popup && popup->IsPopup());
    EXPECT_FALSE(popup->Temporary());
    EXPECT_EQ(popup->Controls().Captions(), (Captions{L"Cellwright", L""}));
    EXPECT_TRUE(popup->Controls().Item(2)->BeginGroup());
}

TEST_F(CommandBarTest, DeleteRemovesAndLaterCallsOnTheDeletedObjectFailWithADescription)
{
    CommandBarControls& menu = excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls();
    auto popup = menu.Add(mso::ControlPopup, L"Zenda Utilities");
    auto submenu = popup->Controls().Add(mso::ControlPopup, L"Cellwright");
    submenu->Controls().Add(mso::ControlButton, L"Help");
    popup->Controls().Add(mso::ControlPopup, L"Other Tool");
    excel->CommandBars().Add(L"Zenda Cellwright")->Controls().Add(mso::ControlButton);

    framework::ComPtr<IDispatch> toolbar = GetObject(bars.Get(), cb::Item, {Str(L"Zenda Cellwright")});
    framework::ComPtr<IDispatch> toolbarControls = GetObject(toolbar.Get(), cb::BarControls);
    EXPECT_EQ(Call(toolbar.Get(), cb::BarDelete).hr, S_OK);
    EXPECT_EQ(excel->CommandBars().Names(), (Captions{L"Worksheet Menu Bar"}));
    CallResult gone = Get(toolbarControls.Get(), cb::ControlsCount);
    EXPECT_EQ(gone.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(gone.description, L"Method 'Count' of object 'CommandBarControls' failed");
    EXPECT_EQ(Get(toolbar.Get(), cb::BarControls).description, L"Method 'Controls' of object 'CommandBar' failed");

    framework::ComPtr<IDispatch> family = GetObject(MenuControls().Get(), cb::Item, {Str(L"Zenda Utilities")});
    framework::ComPtr<IDispatch> inside = GetObject(family.Get(), cb::PopupControls);
    framework::ComPtr<IDispatch> mine = GetObject(inside.Get(), cb::Item, {Str(L"Cellwright")});
    framework::ComPtr<IDispatch> help = GetObject(GetObject(mine.Get(), cb::PopupControls).Get(), cb::Item, {Int(1)});
    EXPECT_EQ(Call(mine.Get(), cb::ControlDelete, {Variant::Bool(false)}).hr, S_OK);
    EXPECT_EQ(popup->Controls().Captions(), (Captions{L"Other Tool"}));
    CallResult deleted = Get(mine.Get(), cb::Caption);
    EXPECT_EQ(deleted.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(deleted.description, L"Method 'Caption' of object 'CommandBarPopup' failed");
    EXPECT_EQ(Put(help.Get(), cb::Caption, Str(L"x")).description,
              L"Method 'Caption' of object 'CommandBarButton' failed");
    EXPECT_TRUE(submenu->Deleted());

    EXPECT_EQ(Call(family.Get(), cb::ControlDelete, {Variant::Bool(false)}).hr, S_OK);
    EXPECT_EQ(Call(inside.Get(), cb::ControlsAdd).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(menu.Captions(), (Captions{L"&File", L"&Edit", L"&Help"}));

    CallResult builtIn = Call(GetObject(bars.Get(), cb::Item, {Int(1)}).Get(), cb::BarDelete);
    EXPECT_EQ(builtIn.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(builtIn.description, L"Method 'Delete' of object 'CommandBar' failed");
    EXPECT_EQ(excel->CommandBars().Count(), 1u);
}

TEST_F(CommandBarTest, ANewMenuBarIsActiveUntilDeletedAndEveryCallIsLoggedByObjectAndMember)
{
    excel->ClearLog();
    framework::ComPtr<IDispatch> custom = GetObject(bars.Get(), cb::BarsAdd, {Str(L"Mine"), Missing(), Variant::Bool(true)});
    EXPECT_EQ(excel->CommandBars().ActiveMenuBar()->Name(), L"Mine");
    const long held = LiveObjects();
    framework::ComPtr<IDispatch> controls = GetObject(GetObject(bars.Get(), cb::ActiveMenuBar).Get(), cb::BarControls);
    EXPECT_EQ(LiveObjects(), held + 1) << "the bar taken on the way is released, its Controls held";
    framework::ComPtr<IDispatch> button = GetObject(controls.Get(), cb::ControlsAdd);
    EXPECT_EQ(Put(button.Get(), cb::Caption, Str(L"Go")).hr, S_OK);
    EXPECT_EQ(Call(custom.Get(), cb::BarDelete).hr, S_OK);
    EXPECT_EQ(excel->CommandBars().ActiveMenuBar()->Name(), L"Worksheet Menu Bar");
    EXPECT_EQ(Call(button.Get(), cb::ControlDelete).hr, DISP_E_EXCEPTION);

    EXPECT_EQ(excel->Log().Sequence(),
              (Captions{L"CommandBars.Add call", L"CommandBars.ActiveMenuBar get", L"CommandBar.Controls get",
                        L"CommandBarControls.Add call", L"CommandBarControl.Caption put", L"CommandBar.Delete call",
                        L"CommandBarControl.Delete call"}));
    EXPECT_EQ(excel->Log().Calls().back().result, DISP_E_EXCEPTION);
}

}  // namespace
}  // namespace host::test
