// The legacy menu of Excel 2000 to 2003: built on a first start, shared with the family's other add-ins,
// found again after a restart, and every button's click reaching what it is for.
#include <windows.h>
#include <commctrl.h>
#include <ocidl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cwchar>

#include "addin/commands/ShellOpen.h"
#include "framework/Module.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/LiveObjects.h"
#include "host/excel/RecordingSink.h"
#include "res/resource.h"
#include "tests/addin/AddinTestKit.h"
#include "tests/addin/LegacyMenuTestKit.h"

namespace {

using Lines = std::vector<std::wstring>;
using Path = std::vector<std::wstring>;

class LegacyMenu : public testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = host::LiveObjects();
        excel->SetVersion(L"11.0");
    }
    void TearDown() override {
        excel.reset();
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects leaked";
    }

    Lines Menu() const { return cwtest::DescribeCommandBars(excel->CommandBars()); }

    // A family popup as another family add-in leaves it: its own submenu and the website entry, which
    // `sink` (that add-in's handler) hears.
    void AddOtherFamilyAddin(host::RecordingSink* sink) {
        auto family =
            excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Add(host::mso::ControlPopup, L"Zenda Utilities");
        family->Controls().Add(host::mso::ControlPopup, L"Zenda Other Tool");
        auto website = family->Controls().Add(host::mso::ControlButton, L"Zenda Utilities Website");
        website->SetBeginGroup(true);
        if (sink) website->Events().Advise(framework::ComPtr<IDispatch>(sink));
    }

    std::shared_ptr<host::Excel> excel = host::Excel::Create();
    cwtest::ShellOpenRecorder shell;

private:
    long m_liveBefore = 0;
};

TEST_F(LegacyMenu, a_first_start_adds_the_family_popup_with_the_submenu_and_a_visible_floating_toolbar) {
    for (const wchar_t* version : {L"11.0", L"10.0", L"11.0.8237"}) {
        excel = host::Excel::Create();
        excel->SetVersion(version);
        cwtest::StartedAddin addin(*excel);
        EXPECT_EQ(addin.started, S_OK);
        EXPECT_EQ(Menu(), cwtest::FirstStartMenu()) << "Excel " << version;
        addin.Stop(ext_dm_HostShutdown);
        EXPECT_EQ(cwtest::DescribeCommandBars(excel->CommandBars(), false).size(), cwtest::FirstStartMenu().size())
            << "the menu stays for the next start";
        EXPECT_EQ(Menu()[6], L"      button \"Remove Duplicates\" style 3 face remdup") << "no sink is left behind";
    }
}

TEST_F(LegacyMenu, every_button_reaches_what_it_is_for) {
    cwtest::StartedAddin addin(*excel);
    excel->ActiveSheet().SetText(L"B2", L"alpha");
    excel->Select(L"$B$2:$B$3");
    struct Case {
        Path button;
        UINT firstPage;   // 0: no wizard
        UINT afterNext;   // the tool's own page after Next
        std::wstring opened;
    };
    const std::wstring help = framework::ModuleFolder() + L"cellwrighthelp.chm";
    const Case cases[] = {
        {{L"Zenda Utilities", L"Cellwright", L"Remove Duplicates"}, IDD_SELECT, IDD_DUP_COLUMNS, L""},
        {{L"Zenda Utilities", L"Cellwright", L"Remove Characters"}, IDD_SELECT_N, IDD_SELCHARS, L""},
        {{L"Zenda Utilities", L"Cellwright", L"Change Case"}, IDD_SELECT_N, IDD_CHANGECASE, L""},
        {{L"Zenda Utilities", L"Cellwright", L"Merge Cell Text"}, IDD_SELECT_N, IDD_SELECT_MERGE, L""},
        {{L"Zenda Cellwright", L"Remove Duplicates"}, IDD_SELECT, IDD_DUP_COLUMNS, L""},
        {{L"Zenda Cellwright", L"Remove Characters"}, IDD_SELECT_N, IDD_SELCHARS, L""},
        {{L"Zenda Cellwright", L"Change Case"}, IDD_SELECT_N, IDD_CHANGECASE, L""},
        {{L"Zenda Cellwright", L"Merge Cell Text"}, IDD_SELECT_N, IDD_SELECT_MERGE, L""},
        {{L"Zenda Utilities", L"Cellwright", L"Help"}, 0, 0, help},
        {{L"Zenda Utilities", L"Zenda Utilities Website"}, 0, 0, kHomePageAddress},
    };
    for (const Case& c : cases) {
        const std::wstring name = c.button.front() + L"/" + c.button.back();
        auto button = cwtest::FindControl(*excel, c.button);
        ASSERT_TRUE(button) << std::string(name.begin(), name.end());
        shell.Clear();
        UINT first = 0, second = 0;
        host::WizardDriver driver;
        if (c.firstPage) {
            driver.ReadPage(first).Do("try Next", [](const host::WizardView& view) {
                PostMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
            });
            driver.ReadPage(second).PressCancel();
        } else {
            driver.SetRunTimeout(1500);
        }
        size_t heard = 0;
        EXPECT_TRUE(driver.Run([&] { heard = excel->Click(button); })) << driver.Report();
        EXPECT_EQ(heard, 1u) << std::string(name.begin(), name.end());
        EXPECT_EQ(first, c.firstPage) << std::string(name.begin(), name.end());
        EXPECT_EQ(second, c.afterNext) << std::string(name.begin(), name.end());
        EXPECT_EQ(shell.Targets(), c.opened.empty() ? Lines{} : Lines{c.opened});
        EXPECT_EQ(driver.SheetsSeen(), c.firstPage ? 1 : 0);
    }
}

TEST_F(LegacyMenu, another_family_add_ins_popup_gets_the_submenu_first_and_keeps_its_one_website_entry) {
    auto other = host::RecordingSink::Create();
    AddOtherFamilyAddin(other.Get());
    {
        cwtest::StartedAddin addin(*excel);
        EXPECT_EQ(cwtest::FamilyPopup(*excel)->Controls().Captions(),
                  (Lines{L"Cellwright", L"Zenda Other Tool", L"Zenda Utilities Website"}));
        auto website = cwtest::FindControl(*excel, {L"Zenda Utilities", L"Zenda Utilities Website"});
        EXPECT_EQ(website->Events().Count(), 2u) << "the other add-in's sink and this one's";

        // Both hear a click on the shared entry; only the add-in whose submenu stands first opens the page.
        EXPECT_EQ(excel->Click(website), 2u);
        EXPECT_EQ(other->Clicks().size(), 1u);
        EXPECT_EQ(shell.Targets(), Lines{kHomePageAddress});
        cwtest::FamilyPopup(*excel)->Controls().Add(host::mso::ControlPopup, L"Zenda Third Tool", 1);
        EXPECT_EQ(excel->Click(website), 2u);
        EXPECT_EQ(shell.Calls().size(), 1u) << "another add-in's submenu stands first now";
    }
    EXPECT_EQ(other->References(), 2u) << "this add-in let the shared entry go; the other's sink stays";
    cwtest::FamilyPopup(*excel)->Controls().Find(L"Zenda Utilities Website")->Events().Clear();
}

TEST_F(LegacyMenu, an_empty_family_popup_gets_the_submenu_and_no_website_entry) {
    excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Add(host::mso::ControlPopup, L"Zenda Utilities");
    cwtest::StartedAddin addin(*excel);
    auto family = cwtest::FamilyPopup(*excel);
    EXPECT_EQ(family->Controls().Captions(), (Lines{L"Cellwright"}));
    EXPECT_EQ(family->Controls().Item(1)->Controls().Count(), 6u);
}

TEST_F(LegacyMenu, a_restart_with_menu_and_toolbar_present_adds_nothing_and_the_clicks_work_again) {
    cwtest::StartedAddin(*excel).Stop(ext_dm_HostShutdown);
    excel->Restart();
    const Lines before = cwtest::DescribeCommandBars(excel->CommandBars(), false);
    excel->ClearLog();
    cwtest::StartedAddin addin(*excel);
    EXPECT_EQ(Menu(), cwtest::FirstStartMenu()) << "found again, every button connected";
    EXPECT_EQ(excel->Log().Count(L"CommandBarControls.Add") + excel->Log().Count(L"CommandBars.Add"), 0u);
    EXPECT_EQ(excel->Log().Count(L"CommandBarControl.Caption", host::Kind::Put), 0u);
    EXPECT_EQ(cwtest::DescribeCommandBars(excel->CommandBars(), false), before);

    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_CHANGECASE).PressCancel();
    EXPECT_TRUE(driver.Run([&] { excel->Click(cwtest::FindControl(*excel, {L"Zenda Cellwright", L"Change Case"})); }))
        << driver.Report();
}

TEST_F(LegacyMenu, buttons_the_user_took_away_leave_the_others_connected_menu_and_toolbar_alike) {
    cwtest::StartedAddin(*excel).Stop(ext_dm_HostShutdown);
    auto submenu = cwtest::FindControl(*excel, {L"Zenda Utilities", L"Cellwright"});
    submenu->Controls().Remove(*submenu->Controls().Find(L"Change Case"));
    cwtest::FamilyPopup(*excel)->Controls().Remove(*cwtest::FamilyPopup(*excel)->Controls().Find(L"Zenda Utilities Website"));
    excel->Restart();
    cwtest::StartedAddin addin(*excel);
    Lines expected = cwtest::FirstStartMenu();
    expected.erase(expected.begin() + 12);  // the website entry
    expected.erase(expected.begin() + 8);   // Change Case in the submenu
    EXPECT_EQ(Menu(), expected);
}

TEST_F(LegacyMenu, a_missing_face_file_leaves_only_its_buttons_without_a_picture) {
    const std::wstring face = framework::ModuleFolder() + L"mergecells.bmp";
    const std::wstring aside = face + L".aside";
    ASSERT_TRUE(MoveFileW(face.c_str(), aside.c_str()));
    {
        cwtest::StartedAddin addin(*excel);
        Lines expected = cwtest::FirstStartMenu();
        for (std::wstring& line : expected) {
            const size_t at = line.find(L" face mergecells");
            if (at != std::wstring::npos) line.erase(at, 16);
        }
        EXPECT_EQ(Menu(), expected);
    }
    EXPECT_TRUE(MoveFileW(aside.c_str(), face.c_str()));
}

TEST_F(LegacyMenu, a_failure_halfway_takes_the_unfinished_menu_away_and_the_next_start_builds_it_whole) {
    excel->FailCall(L"CommandBarControls.Add", 6);  // the submenu's fourth tool button
    {
        cwtest::StartedAddin addin(*excel);
        EXPECT_EQ(addin.started, S_OK);
        EXPECT_FALSE(cwtest::FamilyPopup(*excel)) << "no half-built menu for the next start to find";
        EXPECT_FALSE(excel->CommandBars().Find(L"Zenda Cellwright")) << "the build stopped before the toolbar";
    }
    excel->Restart();
    cwtest::StartedAddin addin(*excel);
    EXPECT_EQ(Menu(), cwtest::FirstStartMenu());
}

TEST_F(LegacyMenu, a_click_sink_answers_its_own_interfaces_and_the_one_name_click_and_ignores_clicks_once_unloaded) {
    auto addin = std::make_unique<cwtest::StartedAddin>(*excel);
    auto sinks = cwtest::FindControl(*excel, {L"Zenda Cellwright", L"Change Case"})->Events().Sinks();
    ASSERT_EQ(sinks.size(), 1u);
    framework::ComPtr<IDispatch> sink = sinks.front();
    sinks.clear();

    struct NameCase {
        const IID* riid;
        std::vector<const wchar_t*> names;
        bool idsGiven;
        HRESULT hr;
        DISPID id;
    };
    const DISPID untouched = 0x0BADF00D;
    const NameCase names[] = {
        {&IID_NULL, {L"Click"}, true, S_OK, 1},
        {&IID_NULL, {L"click"}, true, DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
        {&IID_NULL, {L"Cl\u0131ck"}, true, DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
        {&IID_IDispatch, {L"Click"}, true, DISP_E_UNKNOWNINTERFACE, untouched},
        {&IID_NULL, {L"Click", L"Ctrl"}, true, E_INVALIDARG, untouched},
        {&IID_NULL, {}, true, E_INVALIDARG, untouched},
        {&IID_NULL, {L"Click"}, false, E_POINTER, untouched},
    };
    for (const NameCase& c : names) {
        std::vector<LPOLESTR> list{nullptr};  // an array even for no name
        for (size_t i = 0; i < c.names.size(); ++i) list.insert(list.begin() + i, const_cast<LPOLESTR>(c.names[i]));
        DISPID id = untouched;
        EXPECT_EQ(sink->GetIDsOfNames(*c.riid, list.data(), UINT(c.names.size()), 0, c.idsGiven ? &id : nullptr), c.hr)
            << (c.names.empty() ? "no name" : std::string(c.names[0], c.names[0] + std::wcslen(c.names[0])));
        EXPECT_EQ(id, c.id);
    }

    void* out = reinterpret_cast<void*>(0xdeadbeef);
    EXPECT_EQ(sink->QueryInterface(IID_IConnectionPoint, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(sink->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    for (const IID* iid : {&DIID_CommandBarButtonEvents, &IID_IUnknown, &IID_IDispatch}) {
        ASSERT_EQ(sink->QueryInterface(*iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<void*>(sink.Get()));
        static_cast<IUnknown*>(out)->Release();
    }
    UINT count = 7;
    EXPECT_EQ(sink->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(0xdeadbeef);
    EXPECT_EQ(sink->GetTypeInfo(0, 0, &info), E_FAIL);
    EXPECT_EQ(info, nullptr);

    DISPPARAMS none{nullptr, nullptr, 0, 0};
    host::WizardDriver driver;
    driver.SetRunTimeout(1500);
    EXPECT_TRUE(driver.Run([&] {
        EXPECT_EQ(sink->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
        addin.reset();  // Excel unloads the add-in; the sink is still held here
        EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
    })) << driver.Report();
    EXPECT_EQ(driver.SheetsSeen(), 0) << "neither another event nor a click after the unload runs a tool";
}

}  // namespace
