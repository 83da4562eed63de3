// The wizard driver itself: every wait is bounded, failures close what is open, real message boxes are answered.
#include "tests/framework/TestPages.h"
#include "tests/support/MessageBoxRecorder.h"
#include "host/driver/WizardDriver.h"

#include <gtest/gtest.h>

namespace cwtest {

using host::WizardDriver;
using host::WizardView;

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class WizardDriverTest : public ::testing::Test {
protected:
    WizardDriverTest() : first(log), second(log)
    {
        sheet.SetWizardMode();
        sheet.AddPage(&first);
        sheet.AddPage(&second);
    }

    EventLog log;
    FirstPage first;
    SecondPage second;
    framework::CPropertySheet sheet;
    MessageBoxRecorder messages;
    WizardDriver driver;
    INT_PTR result = 0xdeadbeef;
};

TEST_F(WizardDriverTest, AWaitForAPageThatNeverComesTimesOutCancelsTheSheetAndSaysWhy)
{
    driver.SetStepTimeout(300).WaitForPage(IDD_TEST_THIRD).PressNext();
    const DWORD start = ::GetTickCount();
    EXPECT_FALSE(driver.Run([&] { result = sheet.DoModal(); }));
    EXPECT_LT(::GetTickCount() - start, 5000u);
    EXPECT_GE(::GetTickCount() - start, 300u);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(nullptr, sheet.GetSafeHwnd());
    const std::string report = driver.Report();
    EXPECT_TRUE(Contains(report, "wait for page 103")) << report;
    EXPECT_TRUE(Contains(report, "timed out")) << report;
    EXPECT_TRUE(Contains(report, "101 \"First Page\"")) << report;
    EXPECT_EQ(0u, driver.StepsDone());
}

TEST_F(WizardDriverTest, AScriptThatEndsWhileTheWizardStaysOpenFailsInsteadOfHanging)
{
    driver.SetStepTimeout(300).WaitForPage(IDD_TEST_FIRST);
    EXPECT_FALSE(driver.Run([&] { result = sheet.DoModal(); }));
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(Contains(driver.Report(), "stayed open")) << driver.Report();
}

TEST_F(WizardDriverTest, ASheetWhosePageRefusesCancelIsStillEndedWhenTheScriptFails)
{
    first.queryCancel = [] { return FALSE; };
    driver.SetStepTimeout(200).WaitForPage(IDD_TEST_MISSING);
    EXPECT_FALSE(driver.Run([&] { result = sheet.DoModal(); }));
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(nullptr, sheet.GetSafeHwnd());
}

TEST_F(WizardDriverTest, PressingAButtonThatIsNotAvailableFailsWithTheReason)
{
    driver.SetStepTimeout(300).WaitForPage(IDD_TEST_FIRST).PressBack();
    const DWORD start = ::GetTickCount();
    EXPECT_FALSE(driver.Run([&] { result = sheet.DoModal(); }));
    EXPECT_GE(::GetTickCount() - start, 300u) << "a button may become available late: the step waits its time";
    EXPECT_TRUE(Contains(driver.Report(), "Back is not available")) << driver.Report();
    EXPECT_FALSE(std::count(log.begin(), log.end(), "back 101"));
}

TEST_F(WizardDriverTest, ClickingAControlThePageDoesNotHaveFailsWithTheReason)
{
    driver.SetStepTimeout(200).WaitForPage(IDD_TEST_FIRST).Click(4711);
    EXPECT_FALSE(driver.Run([&] { result = sheet.DoModal(); }));
    EXPECT_TRUE(Contains(driver.Report(), "the page has no control 4711")) << driver.Report();
}

TEST_F(WizardDriverTest, ACommandThatShowsNoWizardFailsAScriptThatExpectsOne)
{
    driver.WaitForPage(IDD_TEST_FIRST);
    EXPECT_FALSE(driver.Run([] {}));
    EXPECT_TRUE(Contains(driver.Report(), "returned before step 1")) << driver.Report();
    EXPECT_EQ(0, driver.SheetsSeen());
}

TEST_F(WizardDriverTest, ARealMessageBoxIsReadAndClosedAndTheScriptGoesOn)
{
    first.messageButton = [&] {
        ::MessageBoxW(first.GetSafeHwnd(), L"A box from outside the framework", L"Real", MB_OK | MB_ICONWARNING);
        log.push_back("box closed");
    };
    driver.WaitForPage(IDD_TEST_FIRST).Click(IDC_FIRST_MESSAGE).PressNext().WaitForPage(IDD_TEST_SECOND).PressCancel();
    ASSERT_TRUE(driver.Run([&] { result = sheet.DoModal(); })) << driver.Report();
    ASSERT_EQ(1u, driver.ClosedMessageBoxes().size());
    EXPECT_NE(std::wstring::npos, driver.ClosedMessageBoxes()[0].find(L"A box from outside the framework"));
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "box closed"));
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(WizardDriverTest, AScriptFollowsAWizardThatClosesAndANewOneThatOpens)
{
    // As the range picker does: the first wizard ends with 55 and the command shows the wizard again.
    INT_PTR second = 0;
    std::wstring textInSecondRun;
    driver.WaitForPage(IDD_TEST_FIRST).SetText(IDC_FIRST_EDIT, L"first run").Click(IDC_FIRST_END55)
        .WaitForPage(IDD_TEST_FIRST).ReadText(IDC_FIRST_EDIT, textInSecondRun).PressNext()
        .WaitForPage(IDD_TEST_SECOND).PressCancel();
    ASSERT_TRUE(driver.Run([&] {
        result = sheet.DoModal();
        if (result == 55) second = sheet.DoModal();
    })) << driver.Report();
    EXPECT_EQ(55, result);
    EXPECT_EQ(IDCANCEL, second);
    EXPECT_EQ(L"initial", textInSecondRun);
    EXPECT_EQ(2, driver.SheetsSeen());
}

TEST_F(WizardDriverTest, AStepThatThrowsFailsTheRunAndClosesTheSheet)
{
    driver.WaitForPage(IDD_TEST_FIRST).Do("throw", [](const WizardView&) { throw std::runtime_error("bad step"); });
    EXPECT_FALSE(driver.Run([&] { result = sheet.DoModal(); }));
    EXPECT_TRUE(Contains(driver.Report(), "bad step")) << driver.Report();
    EXPECT_EQ(IDCANCEL, result);
}

}  // namespace
}  // namespace cwtest
