// The property sheet in wizard mode, driven as a user drives it.
#include "tests/framework/TestPages.h"
#include "tests/support/MessageBoxRecorder.h"
#include "host/driver/WizardDriver.h"

#include "framework/ModuleState.h"
#include "framework/ModuleStateGuard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cwtest {

using host::WizardDriver;
using host::WizardView;
using host::WizardButtons;

namespace {

class WizardSheetTest : public ::testing::Test {
protected:
    WizardSheetTest() : first(log), second(log), third(log)
    {
        sheet.SetWizardMode();
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&third);
    }

    bool Logged(const std::string& event) const { return std::find(log.begin(), log.end(), event) != log.end(); }

    EventLog log;
    FirstPage first;
    SecondPage second;
    ThirdPage third;
    framework::CPropertySheet sheet;
    MessageBoxRecorder messages;
    WizardDriver driver;
    INT_PTR result = 0xdeadbeef;
};

TEST_F(WizardSheetTest, NextNextAndAnAcceptedFinishEndTheRunWithIdWizFinish)
{
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressNext().WaitForPage(IDD_TEST_THIRD)
        .SetCheck(IDC_THIRD_ALLOW, true).PressFinish();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(framework::ID_WIZFINISH, result) << "got " << result;
    EXPECT_EQ((EventLog{"init 101", "active 101", "next 101", "init 102", "active 102", "next 102", "init 103",
                        "active 103", "finish 103"}),
              log);
    EXPECT_EQ(nullptr, sheet.GetSafeHwnd());
    EXPECT_EQ(nullptr, first.GetSafeHwnd()) << "the page windows go with the sheet";
    EXPECT_EQ(0u, messages.Count());
}

TEST_F(WizardSheetTest, CancelEndsTheRunWithIdCancelAndNeverAsksForFinish)
{
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(IDCANCEL, result) << "got " << result;
    EXPECT_TRUE(Logged("query cancel 102"));
    EXPECT_TRUE(Logged("cancel 102"));
    EXPECT_FALSE(Logged("finish 103"));
}

TEST_F(WizardSheetTest, BackReturnsToThePreviousPageWithoutInitialisingItAgain)
{
    UINT afterBack = 0;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressBack().WaitForPage(IDD_TEST_FIRST)
        .ReadPage(afterBack).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(static_cast<UINT>(IDD_TEST_FIRST), afterBack);
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "init 101"));
    EXPECT_EQ(2, std::count(log.begin(), log.end(), "active 101"));
    EXPECT_TRUE(Logged("back 102"));
}

TEST_F(WizardSheetTest, APageEndingTheSheetWithItsOwnCodeEndsTheRunWithThatCode)
{
    driver.WaitForPage(IDD_TEST_FIRST).Click(IDC_FIRST_END55);
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(55, result) << "got " << result;
    EXPECT_TRUE(Logged("end55 101"));
    EXPECT_FALSE(Logged("cancel 101")) << "an end code is not a Cancel";
    EXPECT_EQ(nullptr, sheet.GetSafeHwnd());
}

TEST_F(WizardSheetTest, AFinishThatReturnsFalseKeepsTheSheetOpenOnItsPage)
{
    WizardButtons buttons;
    UINT afterFinish = 0;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressNext().WaitForPage(IDD_TEST_THIRD)
        .PressFinish().ReadPage(afterFinish).ReadButtons(buttons).SetCheck(IDC_THIRD_ALLOW, true).PressFinish();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(static_cast<UINT>(IDD_TEST_THIRD), afterFinish);
    EXPECT_TRUE(buttons.finish) << "Finish stays available after a refused Finish";
    EXPECT_EQ(2, std::count(log.begin(), log.end(), "finish 103"));
    EXPECT_EQ(framework::ID_WIZFINISH, result) << "got " << result;
}

TEST_F(WizardSheetTest, EachPageSetsTheWizardButtonsWhenItBecomesActive)
{
    WizardButtons onFirst, onSecond, onThird;
    driver.WaitForPage(IDD_TEST_FIRST).ReadButtons(onFirst).PressNext().WaitForPage(IDD_TEST_SECOND)
        .ReadButtons(onSecond).PressNext().WaitForPage(IDD_TEST_THIRD).ReadButtons(onThird).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_FALSE(onFirst.back);
    EXPECT_TRUE(onFirst.next);
    EXPECT_FALSE(onFirst.finish);
    EXPECT_TRUE(onFirst.cancel);
    EXPECT_TRUE(onSecond.back);
    EXPECT_TRUE(onSecond.next);
    EXPECT_FALSE(onSecond.finish);
    EXPECT_TRUE(onThird.back);
    EXPECT_FALSE(onThird.next) << "Finish takes the place of Next on the last page";
    EXPECT_TRUE(onThird.finish);
}

TEST_F(WizardSheetTest, NextReturningMinusOneStaysAndADialogIdJumpsToThatPage)
{
    int attempts = 0;
    first.wizardNext = [&]() -> LRESULT { return ++attempts == 1 ? -1 : IDD_TEST_THIRD; };
    UINT afterRefusal = 0;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().ReadPage(afterRefusal).PressNext().WaitForPage(IDD_TEST_THIRD)
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(static_cast<UINT>(IDD_TEST_FIRST), afterRefusal);
    EXPECT_FALSE(Logged("init 102")) << "the jump skips the second page";
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(WizardSheetTest, AnExceptionInACommandHandlerIsShownWithTheStopIconAndTheWizardGoesOn)
{
    driver.WaitForPage(IDD_TEST_FIRST).Click(IDC_FIRST_THROW).PressNext().WaitForPage(IDD_TEST_SECOND).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    ASSERT_EQ(1u, messages.Count());
    EXPECT_EQ(L"The handler could not finish.", messages.Messages()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP | MB_OK), messages.Messages()[0].flags);
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(WizardSheetTest, AnExceptionInFinishIsShownAndKeepsTheSheetOpen)
{
    third.wizardFinish = []() -> BOOL { throw std::runtime_error("engine failed"); };
    UINT afterFinish = 0;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressNext().WaitForPage(IDD_TEST_THIRD)
        .PressFinish().ReadPage(afterFinish).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(static_cast<UINT>(IDD_TEST_THIRD), afterFinish);
    ASSERT_EQ(1u, messages.Count());
    EXPECT_EQ(L"engine failed", messages.Messages()[0].text);
    EXPECT_EQ(IDCANCEL, result) << "a failed Finish is not reported as finished";
}

TEST_F(WizardSheetTest, AnExceptionInSetActiveIsShownAndThePageStillShows)
{
    second.setActive = [] { throw framework::CException(L"The selection is not a range."); };
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    ASSERT_EQ(1u, messages.Count());
    EXPECT_EQ(L"The selection is not a range.", messages.Messages()[0].text);
}

TEST_F(WizardSheetTest, AnExceptionInQueryCancelStillLetsTheUserCancel)
{
    first.queryCancel = []() -> BOOL { throw 42; };
    driver.WaitForPage(IDD_TEST_FIRST).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_EQ(1u, messages.Count());
    EXPECT_FALSE(messages.Messages()[0].text.empty()) << "an unknown exception still gets a text";
}

TEST_F(WizardSheetTest, TheOwnerIsDisabledWhileTheSheetRunsAndEnabledAfterwards)
{
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"Excel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                         nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, owner);
    sheet.SetOwner(owner);
    bool enabledDuringRun = true;
    HWND sheetOwner = nullptr;
    driver.WaitForPage(IDD_TEST_FIRST)
        .Do("look at the owner",
            [&](const WizardView& view) {
                enabledDuringRun = ::IsWindowEnabled(owner) != FALSE;
                sheetOwner = ::GetWindow(view.sheet, GW_OWNER);
            })
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_EQ(owner, sheetOwner);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
}

TEST_F(WizardSheetTest, AnOwnerThatWasDisabledBeforeTheRunStaysDisabled)
{
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"Excel", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_DISABLED, 0, 0,
                                         300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, owner);
    sheet.SetOwner(owner);
    driver.WaitForPage(IDD_TEST_FIRST).Click(IDC_FIRST_END55);
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(55, result);
    EXPECT_FALSE(::IsWindowEnabled(owner)) << "an outer modal loop disabled it and will enable it";
    ::DestroyWindow(owner);
}

TEST_F(WizardSheetTest, ASecondRunBuildsThePagesAfresh)
{
    driver.WaitForPage(IDD_TEST_FIRST).SetText(IDC_FIRST_EDIT, L"typed").Click(IDC_FIRST_END55);
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    std::wstring text;
    WizardDriver again;
    again.WaitForPage(IDD_TEST_FIRST).ReadText(IDC_FIRST_EDIT, text).PressCancel();
    ASSERT_TRUE(again.Run([&] { result = sheet.DoModal(); })) << again.Report();
    EXPECT_EQ(L"initial", text);
    EXPECT_EQ(2, std::count(log.begin(), log.end(), "init 101"));
}

TEST_F(WizardSheetTest, AMissingTemplateMakesTheRunFailAtOnceWithoutShowingAnything)
{
    LoggingPage missing(IDD_TEST_MISSING, log);
    sheet.AddPage(&missing);
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"Excel", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                         nullptr, nullptr, nullptr);
    sheet.SetOwner(owner);
    EXPECT_EQ(-1, sheet.DoModal());
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_EQ(nullptr, sheet.GetSafeHwnd());
    ::DestroyWindow(owner);
    sheet.RemovePage(&missing);
}

TEST_F(WizardSheetTest, PagesComeFromTheCurrentResourceModule)
{
    framework::ModuleState elsewhere{::GetModuleHandleW(L"kernel32.dll"), ::GetModuleHandleW(L"kernel32.dll")};
    framework::ModuleStateGuard guard(elsewhere);
    EXPECT_EQ(-1, sheet.DoModal()) << "kernel32 has no page 101";
    EXPECT_TRUE(log.empty());
}

TEST_F(WizardSheetTest, ASheetWithoutPagesDoesNotRun)
{
    framework::CPropertySheet empty;
    EXPECT_EQ(-1, empty.DoModal());
}

TEST_F(WizardSheetTest, APageWhoseTemplateIsMissingIsNotAddedToARunningSheet)
{
    LoggingPage missing(IDD_TEST_MISSING, log);
    bool added = true;
    driver.WaitForPage(IDD_TEST_FIRST)
        .Do("add the page", [&](const WizardView& view) {
            added = sheet.AddPage(&missing);
            EXPECT_EQ(3, TabCtrl_GetItemCount(PropSheet_GetTabControl(view.sheet)));
        })
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_FALSE(added);
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(nullptr, missing.GetParentSheet());
}

TEST_F(WizardSheetTest, APageAddedDuringTheRunFollowsAndARemovedPageLosesItsWindow)
{
    LoggingPage extra(IDD_TEST_EXTRA, log);
    // As the merge wizard's mode page does: replace the last page before moving on.
    second.wizardNext = [&]() -> LRESULT {
        sheet.RemovePage(2);
        sheet.AddPage(&extra);
        return 0;
    };
    int pagesDuringRun = 0;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).PressNext().WaitForPage(IDD_TEST_EXTRA)
        .Do("count pages", [&](const WizardView& view) {
            pagesDuringRun = TabCtrl_GetItemCount(PropSheet_GetTabControl(view.sheet));
        })
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(3, pagesDuringRun);
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(&extra, sheet.GetPage(2));
    EXPECT_EQ(nullptr, third.GetParentSheet());
    EXPECT_FALSE(Logged("init 103"));
    EXPECT_TRUE(Logged("init 104"));
    sheet.RemovePage(&extra);
    sheet.AddPage(&third);
}

}  // namespace
}  // namespace cwtest
