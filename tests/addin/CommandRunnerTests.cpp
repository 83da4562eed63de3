// The command runner, the range pages and the range picker, driven for real through the wizard driver.
#include <gtest/gtest.h>

#include "host/driver/WizardDriver.h"
#include "host/excel/LiveObjects.h"
#include "res/resource.h"
#include "tests/addin/AddinTestKit.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using host::WizardButtons;
using host::WizardDriver;

class CommandRunner : public testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = host::LiveObjects();
        m_addin = std::make_unique<cwtest::ConnectedAddin>(L"14.0");
        Excel().ActiveSheet().SetText(L"B2", L"alpha");
        Excel().ActiveSheet().SetText(L"B3", L"beta");
        Excel().Select(L"$B$2:$C$5");
    }
    void TearDown() override {
        m_addin.reset();
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects leaked";
    }

    host::Excel& Excel() { return m_addin->Excel(); }

    // The four tools in the table's order, through their ribbon callbacks.
    bool RunTool(WizardDriver& driver, long tool) {
        const DISPID actions[] = {DISPID_REMDUPS, DISPID_REMCHARS, DISPID_CHANGECASE, DISPID_MERGECELL};
        HRESULT hr = E_FAIL;
        bool ok = driver.Run([&] { hr = m_addin->InvokeCallback(actions[tool]); });
        EXPECT_EQ(hr, S_OK);
        return ok;
    }

    std::unique_ptr<cwtest::ConnectedAddin> m_addin;

private:
    long m_liveBefore = 0;
};

TEST_F(CommandRunner, every_tool_opens_on_its_range_page_with_the_absolute_address_and_only_next) {
    const UINT pages[] = {IDD_SELECT, IDD_SELECT_N, IDD_SELECT_N, IDD_SELECT_N};
    for (long tool = 0; tool < 4; ++tool) {
        std::wstring address;
        WizardButtons buttons;
        BITMAP face{};
        WizardDriver driver;
        driver.WaitForPage(pages[tool])
            .ReadText(IDC_RANGE_ADDRESS, address)
            .ReadButtons(buttons)
            .Do("read the picker's face",
                [&](const host::WizardView& view) {
                    auto bitmap = reinterpret_cast<HBITMAP>(
                        SendDlgItemMessageW(view.page, IDC_RANGE_PICKER, BM_GETIMAGE, IMAGE_BITMAP, 0));
                    if (bitmap) GetObjectW(bitmap, sizeof(face), &face);
                })
            .PressCancel();
        ASSERT_TRUE(RunTool(driver, tool)) << driver.Report();
        EXPECT_EQ(address, L"$B$2:$C$5") << "tool " << tool;
        EXPECT_EQ(face.bmWidth, 17) << "bitmap 1003 on the picker button";
        EXPECT_EQ(face.bmHeight, 16);
        EXPECT_TRUE(buttons.next);
        EXPECT_FALSE(buttons.back);
        EXPECT_FALSE(buttons.finish);
    }
}

TEST_F(CommandRunner, back_shows_the_selection_again_and_typed_text_is_never_read) {
    Excel().Select(L"$B$2:$B$3");
    std::wstring again;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N)
        .SetText(IDC_RANGE_ADDRESS, L"$Z$1:$Z$9")
        .PressNext()
        .WaitForPage(IDD_CHANGECASE)
        .PressBack()
        .WaitForPage(IDD_SELECT_N)
        .ReadText(IDC_RANGE_ADDRESS, again)
        .PressNext()
        .WaitForPage(IDD_CHANGECASE)
        .PressFinish();
    ASSERT_TRUE(RunTool(driver, 2)) << driver.Report();
    EXPECT_EQ(again, L"$B$2:$B$3");
    EXPECT_EQ(Excel().ActiveSheet().At(L"B2").value.text, L"ALPHA");
    EXPECT_EQ(Excel().ActiveSheet().At(L"Z1").value.type, host::ValueType::Empty);
}

TEST_F(CommandRunner, the_picker_asks_excel_selects_the_pick_and_reopens_the_same_wizard_showing_it) {
    Excel().QueueInputBoxRange(L"$D$4:$E$9");
    std::wstring before, after;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N)
        .ReadText(IDC_RANGE_ADDRESS, before)
        .Click(IDC_RANGE_PICKER)
        .WaitUntil("a new wizard showing the pick",
                   [&](const host::WizardView& view) {
                       wchar_t text[64] = {};
                       GetDlgItemTextW(view.page, IDC_RANGE_ADDRESS, text, 64);
                       return view.templateId == IDD_SELECT_N && std::wstring(text) == L"$D$4:$E$9";
                   })
        .ReadText(IDC_RANGE_ADDRESS, after)
        .PressCancel();
    ASSERT_TRUE(RunTool(driver, 1)) << driver.Report();
    EXPECT_EQ(before, L"$B$2:$C$5");
    EXPECT_EQ(after, L"$D$4:$E$9");
    EXPECT_EQ(driver.SheetsSeen(), 2);
    EXPECT_EQ(Excel().SelectionAddress(), L"$D$4:$E$9");

    ASSERT_EQ(Excel().InputBoxCalls().size(), 1u);
    const host::InputBoxCall& call = Excel().InputBoxCalls()[0];
    EXPECT_EQ(call.prompt, L"Please select a contegious range of cells and at least 2 rows.");
    ASSERT_EQ(call.title.Get().vt, VT_BSTR);
    EXPECT_STREQ(call.title.Get().bstrVal, L"Select data");
    ASSERT_EQ(call.defaultValue.Get().vt, VT_BSTR);
    EXPECT_STREQ(call.defaultValue.Get().bstrVal, L"$B$2:$C$5");
    ASSERT_EQ(call.type.Get().vt, VT_I2);
    EXPECT_EQ(call.type.Get().iVal, 8);
    for (const host::Variant* missing : {&call.left, &call.top, &call.helpFile, &call.helpContextId}) {
        EXPECT_EQ(missing->Get().vt, VT_ERROR);
        EXPECT_EQ(missing->Get().scode, DISP_E_PARAMNOTFOUND);
    }
}

TEST_F(CommandRunner, cancel_in_the_input_box_reopens_the_wizard_with_the_old_selection_and_picks_repeat) {
    Excel().QueueInputBoxCancel();
    Excel().QueueInputBoxRange(L"$A$1:$A$3");
    std::wstring afterCancel, afterPick;
    auto showing = [](const wchar_t* address) {
        return [address](const host::WizardView& view) {
            wchar_t text[64] = {};
            GetDlgItemTextW(view.page, IDC_RANGE_ADDRESS, text, 64);
            return std::wstring(text) == address;
        };
    };
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT)
        .Click(IDC_RANGE_PICKER)
        .WaitUntil("the second wizard", [&](const host::WizardView&) { return driver.SheetsSeen() >= 2; })
        .ReadText(IDC_RANGE_ADDRESS, afterCancel)
        .Click(IDC_RANGE_PICKER)
        .WaitUntil("the third wizard showing the pick", showing(L"$A$1:$A$3"))
        .ReadText(IDC_RANGE_ADDRESS, afterPick)
        .PressCancel();
    ASSERT_TRUE(RunTool(driver, 0)) << driver.Report();
    EXPECT_EQ(afterCancel, L"$B$2:$C$5");
    EXPECT_EQ(afterPick, L"$A$1:$A$3");
    EXPECT_EQ(driver.SheetsSeen(), 3);
    EXPECT_EQ(Excel().InputBoxCalls().size(), 2u);
    EXPECT_EQ(Excel().SelectionAddress(), L"$A$1:$A$3");
}

TEST_F(CommandRunner, a_chart_selection_shows_no_address_and_the_picker_still_chooses_cells) {
    Excel().SelectChart();
    Excel().QueueInputBoxRange(L"$C$3");
    std::wstring address = L"unread", picked;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT)
        .ReadText(IDC_RANGE_ADDRESS, address)
        .Click(IDC_RANGE_PICKER)
        .WaitUntil("the second wizard", [&](const host::WizardView&) { return driver.SheetsSeen() >= 2; })
        .ReadText(IDC_RANGE_ADDRESS, picked)
        .PressCancel();
    cwtest::MessageBoxRecorder messages;
    ASSERT_TRUE(RunTool(driver, 0)) << driver.Report();
    EXPECT_EQ(address, L"");
    EXPECT_EQ(picked, L"$C$3");
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_EQ(Excel().InputBoxCalls().size(), 1u);
    EXPECT_STREQ(Excel().InputBoxCalls()[0].defaultValue.Get().bstrVal, L"");
}

}  // namespace
