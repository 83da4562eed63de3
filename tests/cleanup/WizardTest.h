// The clean-up wizards opened as the ribbon opens them, on an add-in connected to a fresh stand-in, and
// scripted through the wizard driver. Every test ends with no stand-in object alive.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "addin/MyAddin.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/LiveObjects.h"
#include "res/resource.h"
#include "tests/addin/AddinTestKit.h"

namespace cwtest {

using host::WizardDriver;

// The tools' ribbon callbacks.
constexpr long kRemoveCharacters = DISPID_REMCHARS;
constexpr long kChangeCase = DISPID_CHANGECASE;
constexpr long kRemoveDuplicates = DISPID_REMDUPS;


class WizardTest : public testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = host::LiveObjects();
        m_addin = std::make_unique<ConnectedAddin>(L"14.0");
    }

    void TearDown() override {
        m_addin.reset();
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects left alive";
    }

    host::Excel& Excel() { return m_addin->Excel(); }
    host::Sheet& Cells() { return m_addin->Excel().ActiveSheet(); }

    static UINT OptionsPage(long tool) { return tool == kChangeCase ? IDD_CHANGECASE : IDD_SELCHARS; }

    // Runs the tool through the ribbon callback with the driver's script.
    bool Run(WizardDriver& driver, long tool) {
        HRESULT hr = E_FAIL;
        bool done = driver.Run([&] { hr = m_addin->InvokeCallback(tool); });
        EXPECT_EQ(hr, S_OK);
        return done;
    }

    // Next to the options page, the option checked, Finish. A run that fails must leave the wizard open on
    // that page, and is then cancelled; a run that succeeds must close it.
    bool FinishWith(long tool, int option, bool failing = false) {
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(OptionsPage(tool)).CheckRadio(option).PressFinish();
        if (failing) driver.WaitForPage(OptionsPage(tool)).PressCancel();
        bool done = Run(driver, tool);
        EXPECT_TRUE(done) << driver.Report();
        return done;
    }

private:
    long m_liveBefore = 0;
    std::unique_ptr<ConnectedAddin> m_addin;
};

}  // namespace cwtest
