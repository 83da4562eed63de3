// The Change Case and Remove Characters wizards driven for real: their options pages, what Finish and
// Cancel do, and the rule each radio button stands for.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/cleanup/EngineTest.h"
#include "tests/cleanup/WizardTest.h"

namespace {

using cwtest::IsText;
using host::WizardButtons;
using host::WizardDriver;
using host::WizardView;

using CleanupWizard = cwtest::WizardTest;

constexpr long kTools[] = {cwtest::kRemoveCharacters, cwtest::kChangeCase};
constexpr int kOptions[] = {IDC_OPTION_1, IDC_OPTION_2, IDC_OPTION_3, IDC_OPTION_4, IDC_OPTION_5};

TEST_F(CleanupWizard, the_options_page_opens_with_the_first_radio_checked_and_offers_back_and_finish_only) {
    for (long tool : kTools) {
        std::array<bool, 5> checked{};
        WizardButtons buttons;
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(OptionsPage(tool));
        for (size_t i = 0; i < 5; ++i) driver.ReadCheck(kOptions[i], checked[i]);
        driver.ReadButtons(buttons).PressCancel();
        ASSERT_TRUE(Run(driver, tool)) << driver.Report();
        EXPECT_EQ(checked, (std::array<bool, 5>{true, false, false, false, false})) << "tool " << tool;
        EXPECT_TRUE(buttons.back) << "tool " << tool;
        EXPECT_TRUE(buttons.finish) << "tool " << tool;
        EXPECT_FALSE(buttons.next) << "tool " << tool;
        EXPECT_TRUE(buttons.cancel) << "tool " << tool;
    }
}

TEST_F(CleanupWizard, the_radio_captions_read_as_in_the_dialog_templates) {
    const std::array<std::wstring, 5> expected[] = {
        {L"Delete leading spaces", L"Delete trailing spaces", L"Delete leading and trailing spaces",
         L"Delete all non-printing characters", L"Delete all no-break spaces"},
        {L"Change to upper case  (ABC)", L"Change lo lower case  (abc)",
         L"Change the first character to upper case  (Abc)",
         L"Change the first character to upper case and the rest to lower case  (Abc abc)",
         L"Convert the first letter of each word to upper case  (Abc  Abc)"}};
    for (size_t t = 0; t < 2; ++t) {
        std::array<std::wstring, 5> captions;
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(OptionsPage(kTools[t]));
        for (size_t i = 0; i < 5; ++i) driver.ReadText(kOptions[i], captions[i]);
        driver.PressCancel();
        ASSERT_TRUE(Run(driver, kTools[t])) << driver.Report();
        EXPECT_EQ(captions, expected[t]);
    }
}

TEST_F(CleanupWizard, each_change_case_radio_gives_its_rule) {
    const wchar_t* const results[] = {L"HELLO WORLD", L"hello world", L"HELLO wORLD", L"Hello world", L"Hello World"};
    for (size_t i = 0; i < 5; ++i) {
        Cells().SetText(L"B2", L"hELLO wORLD");
        Excel().Select(L"$B$2");
        ASSERT_TRUE(FinishWith(cwtest::kChangeCase, kOptions[i]));
        EXPECT_TRUE(IsText(Cells().At(L"B2"), results[i])) << "radio " << kOptions[i];
    }
}

TEST_F(CleanupWizard, each_remove_characters_radio_gives_its_rule) {
    const std::wstring text = L"  a\u00A0b\r\n  ";
    const wchar_t* const results[] = {L"a\u00A0b\r\n  ", L"  a\u00A0b", L"a\u00A0b", L"  a\u00A0b  ", L"  ab\r\n  "};
    for (size_t i = 0; i < 5; ++i) {
        Cells().SetText(L"B2", text);
        Excel().Select(L"$B$2");
        ASSERT_TRUE(FinishWith(cwtest::kRemoveCharacters, kOptions[i]));
        EXPECT_TRUE(IsText(Cells().At(L"B2"), results[i])) << "radio " << kOptions[i];
    }
}

TEST_F(CleanupWizard, finish_runs_the_tool_once_and_closes_the_wizard) {
    for (long tool : kTools) {
        Cells().SetText(L"A1", L" abc\u00A0");
        Cells().SetText(L"A2", L" def\u00A0");
        Excel().Select(L"$A$1:$A$2");
        WizardDriver driver;
        driver.WaitForPage(IDD_SELECT_N)
            .PressNext()
            .WaitForPage(OptionsPage(tool))
            .Do("clear the call log", [&](const WizardView&) { Excel().ClearLog(); })
            .CheckRadio(IDC_OPTION_5)
            .PressFinish();
        ASSERT_TRUE(Run(driver, tool)) << driver.Report();
        // Once for the run, once more for the address on the status bar.
        EXPECT_EQ(Excel().Log().Count(L"Application.Selection", host::Kind::Get), 2u) << "tool " << tool;
        EXPECT_EQ(Excel().Log().Count(L"Range.Value", host::Kind::Put), 1u) << "tool " << tool;
        size_t settingsRead = tool == cwtest::kChangeCase ? 1u : 0u;
        EXPECT_EQ(Excel().Log().Count(L"Application.Calculation", host::Kind::Get), settingsRead) << "tool " << tool;
    }
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L" Abc\u00A0"));
}

TEST_F(CleanupWizard, cancel_on_either_page_changes_nothing) {
    Cells().SetText(L"A1", L" abc ");
    Excel().Select(L"$A$1");
    for (long tool : kTools) {
        for (bool onOptionsPage : {false, true}) {
            WizardDriver driver;
            driver.WaitForPage(IDD_SELECT_N);
            if (onOptionsPage) driver.PressNext().WaitForPage(OptionsPage(tool)).CheckRadio(IDC_OPTION_3);
            driver.PressCancel();
            ASSERT_TRUE(Run(driver, tool)) << driver.Report();
        }
    }
    EXPECT_EQ(Excel().Log().Count(L"Range.Value", host::Kind::Put), 0u);
    EXPECT_TRUE(IsText(Cells().At(L"A1"), L" abc "));
}

}  // namespace
