// Data exchange, control wrappers and the routing of commands and notifications inside a page.
#include "tests/framework/TestPages.h"
#include "tests/support/MessageBoxRecorder.h"
#include "host/driver/WizardDriver.h"

#include "framework/Bitmap.h"
#include "framework/ModuleState.h"
#include "framework/ModuleStateGuard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cwtest {

using host::WizardDriver;
using host::WizardView;
using host::ListRow;

namespace {

class PageRoutingTest : public ::testing::Test {
protected:
    PageRoutingTest() : first(log), second(log)
    {
        sheet.SetWizardMode();
        sheet.AddPage(&first);
        sheet.AddPage(&second);
    }

    // Shows the second page, runs the check there, then cancels.
    void OnSecondPage(const std::function<void(const WizardView&)>& check)
    {
        WizardDriver driver;
        driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND).Do("check", check).PressCancel();
        ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    }

    EventLog log;
    FirstPage first;
    SecondPage second;
    framework::CPropertySheet sheet;
    MessageBoxRecorder messages;
};

TEST_F(PageRoutingTest, DataExchangeBindsTheWrappersToTheControlsAndTheyUnbindWithTheWindow)
{
    std::wstring seenThroughWrapper;
    HWND boundTo = nullptr;
    WizardDriver driver;
    driver.WaitForPage(IDD_TEST_FIRST)
        .Do("type through the wrapper",
            [&](const WizardView& view) {
                boundTo = first.m_edit.GetSafeHwnd();
                EXPECT_EQ(::GetDlgItem(view.page, IDC_FIRST_EDIT), boundTo);
                EXPECT_EQ(&first, framework::CPropertyPage::FromHandle(view.page));
                EXPECT_EQ(nullptr, framework::CPropertyPage::FromHandle(boundTo)) << "a control is no page";
                EXPECT_EQ(&sheet, framework::CPropertySheet::FromHandle(view.sheet));
                EXPECT_EQ(&first, sheet.GetActivePage());
                EXPECT_EQ(view.sheet, first.GetParentSheetHwnd());
                first.m_edit.SetText(L"from the wrapper");
            })
        .ReadText(IDC_FIRST_EDIT, seenThroughWrapper)
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(L"from the wrapper", seenThroughWrapper);
    EXPECT_NE(nullptr, boundTo);
    EXPECT_EQ(nullptr, first.m_edit.GetSafeHwnd());
    EXPECT_EQ(nullptr, framework::CWnd::FromHandlePermanent(boundTo));
}

TEST_F(PageRoutingTest, ABindingToAControlThatIsNotThereIsReportedAndThePageStillShows)
{
    class BrokenPage : public LoggingPage {
    public:
        using LoggingPage::LoggingPage;
        framework::CEdit m_missing;

    protected:
        void DoDataExchange(framework::CDataExchange* pDX) override { framework::DDX_Control(pDX, 4242, m_missing); }
    };
    BrokenPage broken(IDD_TEST_THIRD, log);
    framework::CPropertySheet single;
    single.SetWizardMode();
    single.AddPage(&broken);
    WizardDriver driver;
    driver.WaitForPage(IDD_TEST_THIRD).PressCancel();
    ASSERT_TRUE(driver.Run([&] { single.DoModal(); })) << driver.Report();
    ASSERT_EQ(1u, messages.Count());
    EXPECT_NE(std::wstring::npos, messages.Messages()[0].text.find(L"4242"));
}

TEST_F(PageRoutingTest, ClicksReachTheCommandMapAndRadioHelpersReadTheGroup)
{
    bool alphaAtStart = false, betaAfterClick = false, alphaAfterClick = true;
    WizardDriver driver;
    driver.WaitForPage(IDD_TEST_FIRST)
        .ReadCheck(IDC_FIRST_ALPHA, alphaAtStart)
        .CheckRadio(IDC_FIRST_BETA)
        .Do("read the group through the page",
            [&](const WizardView&) {
                betaAfterClick = first.IsDlgButtonChecked(IDC_FIRST_BETA) == BST_CHECKED;
                alphaAfterClick = first.IsDlgButtonChecked(IDC_FIRST_ALPHA) == BST_CHECKED;
            })
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    EXPECT_TRUE(alphaAtStart);
    EXPECT_TRUE(betaAfterClick);
    EXPECT_FALSE(alphaAfterClick);
    EXPECT_EQ(1, std::count(log.begin(), log.end(), "beta 101"));
}

TEST_F(PageRoutingTest, TheListViewKeepsItemsTextsAndCheckBoxes)
{
    OnSecondPage([&](const WizardView&) {
        EXPECT_EQ(static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES), second.m_list.GetExtendedStyle());
        ASSERT_EQ(3, second.m_list.GetItemCount());
        EXPECT_EQ(L"D", second.m_list.GetItemText(1, 0));
        EXPECT_EQ(L"text D", second.m_list.GetItemText(1, 1));
        EXPECT_TRUE(second.m_list.GetCheck(1));
        EXPECT_TRUE(second.m_list.SetCheck(1, false));
        EXPECT_FALSE(second.m_list.GetCheck(1));
        EXPECT_EQ(static_cast<UINT>(INDEXTOSTATEIMAGEMASK(1)), second.m_list.GetItemState(1, LVIS_STATEIMAGEMASK));
        EXPECT_TRUE(second.m_list.GetCheck(2));
        EXPECT_EQ(L"", second.m_list.GetItemText(7, 0)) << "no such item";
    });
}

TEST_F(PageRoutingTest, ALongItemTextComesBackWhole)
{
    const std::wstring longText(3000, L'x');
    OnSecondPage([&](const WizardView&) {
        ASSERT_TRUE(second.m_list.SetItemText(0, 1, longText));
        EXPECT_EQ(longText, second.m_list.GetItemText(0, 1));
    });
}

TEST_F(PageRoutingTest, ListViewNotificationsReachThePageAsControlNotifications)
{
    std::vector<ListRow> rows;
    int changesBefore = 0;
    WizardDriver driver;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND)
        .Do("note the count", [&](const WizardView&) { changesBefore = second.itemChanges; })
        .SetListCheck(IDC_SECOND_LIST, 0, false)
        .ReadListView(IDC_SECOND_LIST, rows)
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    EXPECT_GT(second.itemChanges, changesBefore);
    ASSERT_EQ(3u, rows.size());
    EXPECT_FALSE(rows[0].checked);
    EXPECT_TRUE(rows[1].checked);
    EXPECT_EQ((std::vector<std::wstring>{L"E", L"text E"}), rows[2].texts);
}

TEST_F(PageRoutingTest, TheComboBoxKeepsItemDataAtTheSortedIndexAndDrawsItsItems)
{
    int index = -5;
    std::wstring text;
    DWORD_PTR data = 0;
    WizardDriver driver;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND)
        .Do("check the items",
            [&](const WizardView&) {
                ASSERT_EQ(3, second.m_combo.GetCount());
                EXPECT_EQ(L"Aqua", second.m_combo.GetLBText(0)) << "the list sorts its items";
                EXPECT_EQ(static_cast<DWORD_PTR>(0xFFFF00), second.m_combo.GetItemData(0));
                EXPECT_EQ(static_cast<DWORD_PTR>(0x0000FF), second.m_combo.GetItemData(2));
                EXPECT_EQ(L"", second.m_combo.GetLBText(9));
            })
        .SelectComboItem(IDC_SECOND_COMBO, 2)
        .ReadComboSelection(IDC_SECOND_COMBO, index, text, data)
        .Do("paint", [&](const WizardView& view) {
            ::UpdateWindow(view.sheet);
            ::RedrawWindow(second.m_combo.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        })
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(2, index);
    EXPECT_EQ(L"Red", text);
    EXPECT_EQ(static_cast<DWORD_PTR>(0x0000FF), data);
    EXPECT_GT(second.m_combo.drawn, 0) << "WM_DRAWITEM reaches the combo's DrawItem";
}

TEST_F(PageRoutingTest, AnEditSeesItsOwnKeysAndTheChangeNotificationsReflectedToIt)
{
    WizardDriver driver;
    std::wstring afterDelete;
    second.m_edit.swallowDelete = true;
    driver.WaitForPage(IDD_TEST_FIRST).PressNext().WaitForPage(IDD_TEST_SECOND)
        .TypeText(IDC_SECOND_EDIT, L"ab")
        .SetCaret(IDC_SECOND_EDIT, 0)
        .PressKey(IDC_SECOND_EDIT, VK_DELETE)
        .ReadText(IDC_SECOND_EDIT, afterDelete)
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(L"ab", second.m_edit.lastText);
    EXPECT_EQ(L"ab", afterDelete) << "the wrapper swallowed Delete";
    EXPECT_GE(second.m_edit.keyDowns, 1);
}

TEST_F(PageRoutingTest, TheEditWrapperSelectsAndReplacesText)
{
    OnSecondPage([&](const WizardView&) {
        second.m_edit.SetText(L"one [X] two");
        second.m_edit.SetSel(4, 7);
        int start = -1, end = -1;
        second.m_edit.GetSel(start, end);
        EXPECT_EQ(4, start);
        EXPECT_EQ(7, end);
        second.m_edit.ReplaceSel(L"");
        EXPECT_EQ(L"one  two", second.m_edit.GetText());
    });
}

TEST_F(PageRoutingTest, AButtonShowsABitmapLoadedFromTheCurrentResourceModule)
{
    framework::CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_BITMAP));
    BITMAP info{};
    ASSERT_TRUE(bitmap.GetBitmap(info));
    EXPECT_EQ(4, info.bmWidth);
    EXPECT_EQ(2, info.bmHeight);
    HBITMAP shown = nullptr;
    WizardDriver driver;
    driver.WaitForPage(IDD_TEST_FIRST)
        .Do("set the face",
            [&](const WizardView& view) {
                framework::CButton button;
                button.Attach(::GetDlgItem(view.page, IDC_FIRST_END55));
                ::SetWindowLongPtrW(button.GetSafeHwnd(), GWL_STYLE,
                                    ::GetWindowLongPtrW(button.GetSafeHwnd(), GWL_STYLE) | BS_BITMAP);
                button.SetBitmap(bitmap.GetSafeHandle());
                shown = button.GetBitmap();
            })
        .PressCancel();
    ASSERT_TRUE(driver.Run([&] { sheet.DoModal(); })) << driver.Report();
    EXPECT_EQ(bitmap.GetSafeHandle(), shown);
}

TEST(BitmapTest, ABitmapMissingFromTheCurrentResourceModuleLeavesNothingHeld)
{
    framework::CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_BITMAP));
    framework::ModuleState elsewhere{::GetModuleHandleW(L"kernel32.dll"), ::GetModuleHandleW(L"kernel32.dll")};
    framework::ModuleStateGuard guard(elsewhere);
    EXPECT_FALSE(bitmap.LoadBitmap(IDB_TEST_BITMAP));
    EXPECT_EQ(nullptr, bitmap.GetSafeHandle());
}

TEST(BitmapTest, AMovedBitmapHasOneOwner)
{
    framework::CBitmap first;
    ASSERT_TRUE(first.LoadBitmap(IDB_TEST_BITMAP));
    const HBITMAP handle = first.GetSafeHandle();
    framework::CBitmap second(std::move(first));
    EXPECT_EQ(nullptr, first.GetSafeHandle());
    EXPECT_EQ(handle, second.GetSafeHandle());
    second.DeleteObject();
    BITMAP info{};
    EXPECT_EQ(0, ::GetObjectW(handle, sizeof(info), &info)) << "the handle was deleted";
}

TEST(WndTest, ASubclassedWindowGetsItsOwnProcedureBackWhenTheWrapperGoes)
{
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, edit);
    const LONG_PTR original = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);
    {
        TrackingEdit wrapper;
        ASSERT_TRUE(wrapper.SubclassWindow(edit));
        TrackingEdit second;
        EXPECT_FALSE(second.SubclassWindow(edit)) << "one wrapper per window";
        EXPECT_EQ(&wrapper, framework::CWnd::FromHandlePermanent(edit));
        ::SendMessageW(edit, WM_KEYDOWN, 'A', 0);
        EXPECT_EQ(1, wrapper.keyDowns);
    }
    EXPECT_EQ(original, ::GetWindowLongPtrW(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, framework::CWnd::FromHandlePermanent(edit));
    ::SetWindowTextW(edit, L"still works");
    wchar_t text[32] = {};
    ::GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(L"still works", text);
    ::DestroyWindow(edit);
}

TEST(WndTest, AnExceptionInAWindowProcedureIsShownAndTheWindowKeepsWorking)
{
    class ThrowingEdit : public framework::CEdit {
    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_KEYDOWN) throw framework::CException(L"key handler failed");
            return CEdit::WindowProc(message, wParam, lParam);
        }
    };
    MessageBoxRecorder messages;
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ThrowingEdit wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(edit));
    ::SendMessageW(edit, WM_KEYDOWN, 'A', 0);
    ASSERT_EQ(1u, messages.Count());
    EXPECT_EQ(L"key handler failed", messages.Messages()[0].text);
    wrapper.SetText(L"fine");
    EXPECT_EQ(L"fine", wrapper.GetText());
    ::DestroyWindow(edit);
    EXPECT_EQ(nullptr, wrapper.GetSafeHwnd()) << "the wrapper lets go when the window is destroyed";
}

}  // namespace
}  // namespace cwtest
