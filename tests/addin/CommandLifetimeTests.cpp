// A command's wizard against what Excel may do while it is open: disconnect and let go of the add-in, or start
// another command; and what a disconnection lets go of.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include "addin/ribbon/RibbonMarkup.h"
#include "framework/ClassRegistry.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/LiveObjects.h"
#include "res/resource.h"
#include "tests/addin/AddinTestKit.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using host::WizardDriver;
using host::WizardView;

// An add-in created and connected as Excel does it, held by raw references a test may drop at any moment.
struct LooseAddin {
    std::shared_ptr<host::Excel> excel = host::Excel::Create();
    IDTExtensibility2* extensibility = cwtest::CreateAddinThroughFactory();
    IDispatch* callbacks = nullptr;

    LooseAddin() {
        excel->ActiveSheet().SetText(L"A1", L"alpha");
        excel->ActiveSheet().SetText(L"A2", L"beta");
        excel->Select(L"$A$1:$A$2");
        framework::ComPtr<IDispatch> app = excel->Application();
        extensibility->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
        IRibbonExtensibility* ribbon = nullptr;
        extensibility->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon));
        ribbon->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&callbacks));
        ribbon->Release();
    }
    // What Excel does when it shuts down or automation unloads the add-in.
    void DisconnectAndRelease() {
        extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
        callbacks->Release();
        extensibility->Release();
        callbacks = nullptr;
        extensibility = nullptr;
    }
    ~LooseAddin() {
        if (extensibility) DisconnectAndRelease();
    }
    HRESULT Click(DISPID callback) {
        VARIANT control;
        control.vt = VT_DISPATCH;
        control.pdispVal = nullptr;
        DISPPARAMS params{&control, nullptr, 1, 0};
        return callbacks->Invoke(callback, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                                 nullptr);
    }
};

class CommandLifetime : public testing::Test {
protected:
    void SetUp() override { m_liveBefore = host::LiveObjects(); }
    void TearDown() override {
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects leaked";
        EXPECT_EQ(framework::CanUnloadNow(), S_OK) << "an add-in object or lock left alive";
    }

private:
    long m_liveBefore = 0;
};

TEST_F(CommandLifetime, excel_letting_go_of_the_add_in_during_a_wizard_leaves_finish_harmless_and_frees_it_after) {
    LooseAddin addin;
    HRESULT unloadWhileOpen = E_FAIL;
    size_t callsAtDisconnection = 0;
    cwtest::MessageBoxRecorder messages;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N)
        .PressNext()
        .WaitForPage(IDD_CHANGECASE)
        .Do("Excel disconnects and lets go; the user presses Finish", [&](const WizardView& view) {
            addin.DisconnectAndRelease();
            unloadWhileOpen = framework::CanUnloadNow();
            callsAtDisconnection = addin.excel->Log().Total();
            SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        });
    // Invoke goes through a pointer the test already released, as Excel's own call would still be running.
    IDispatch* callbacks = addin.callbacks;
    HRESULT hr = E_FAIL;
    ASSERT_TRUE(driver.Run([&] {
        VARIANT control;
        control.vt = VT_DISPATCH;
        control.pdispVal = nullptr;
        DISPPARAMS params{&control, nullptr, 1, 0};
        hr = callbacks->Invoke(DISPID_CHANGECASE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    })) << driver.Report();
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(unloadWhileOpen, S_FALSE) << "the running command keeps the add-in and its module";
    EXPECT_EQ(addin.excel->Log().Total(), callsAtDisconnection) << "no call reaches Excel after disconnection";
    EXPECT_EQ(addin.excel->ActiveSheet().At(L"A1").value.text, L"alpha");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, L"Cellwright has been unloaded, so the command was not carried out.");
    EXPECT_EQ(driver.SheetsSeen(), 1) << "the wizard closed and did not come back";
}

TEST_F(CommandLifetime, a_second_command_while_a_wizard_is_open_brings_that_wizard_to_the_front_and_opens_no_other) {
    LooseAddin addin;
    for (DISPID second : {DISPID_REMDUPS, DISPID_REMCHARS, DISPID_CHANGECASE, DISPID_MERGECELL}) {
        HRESULT secondResult = E_FAIL;
        HWND sheet = nullptr;
        HWND active = nullptr;
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N)
            .Do("click another tool on the ribbon",
                [&](const WizardView& view) {
                    sheet = view.sheet;
                    secondResult = addin.Click(second);
                    active = GetActiveWindow();
                })
            .PressCancel();
        HRESULT first = E_FAIL;
        ASSERT_TRUE(driver.Run([&] { first = addin.Click(DISPID_CHANGECASE); })) << driver.Report();
        EXPECT_EQ(first, S_OK);
        EXPECT_EQ(secondResult, S_OK) << "DISPID " << second;
        EXPECT_EQ(driver.SheetsSeen(), 1) << "DISPID " << second;
        EXPECT_EQ(active, sheet) << "DISPID " << second;
    }
    // Once the wizard is gone, a command runs again.
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressCancel();
    HRESULT again = E_FAIL;
    ASSERT_TRUE(driver.Run([&] { again = addin.Click(DISPID_REMCHARS); })) << driver.Report();
    EXPECT_EQ(again, S_OK);
    EXPECT_EQ(driver.SheetsSeen(), 1);
}

TEST_F(CommandLifetime, disconnecting_lets_go_of_every_excel_object_including_the_working_range) {
    const long before = host::LiveObjects();
    LooseAddin addin;
    WizardDriver driver;
    driver.WaitForPage(IDD_SELECT).PressCancel();
    ASSERT_TRUE(driver.Run([&] { addin.Click(DISPID_REMDUPS); })) << driver.Report();
    EXPECT_GT(host::LiveObjects(), before) << "Application and the working range";
    EXPECT_EQ(addin.extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
    EXPECT_EQ(host::LiveObjects(), before) << "with the add-in still referenced";
}

}  // namespace
