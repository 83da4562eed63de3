// A tool run through its wizard on a connected add-in, with the status bar's puts read back and the next
// command started to give the status bar back.
#pragma once

#include <string>

#include "tests/cleanup/WizardTest.h"
#include "tests/status/StatusTest.h"
#include "tools/status/StatusLines.h"

namespace cwtest {

class StatusWizardTest : public WizardTest {
protected:
    // Starts a command and cancels it on the range page.
    void StartAndCancel() {
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressCancel();
        EXPECT_TRUE(Run(driver, cwtest::kChangeCase)) << driver.Report();
    }
    StatusBarPuts PutsSince(size_t before) { return StatusBarPutsSince(Excel(), before); }
    // Digits grouped as the user's locale groups them.
    static std::wstring N(long number) { return status::StatusLines::ForUser().Number(number); }
};

}  // namespace cwtest
