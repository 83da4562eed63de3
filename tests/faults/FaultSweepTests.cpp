// The permanent fault sweep: each command is run as a user runs it, once cleanly to count the host calls it
// makes, then once for every one of those calls failing, in each way Excel fails a call. Every time the add-in
// must answer Excel with S_OK and nothing thrown, show at most the one failure in Excel's words, put the
// user's settings back, leak nothing, and leave each cell either as it was or as the clean run left it.
// Excel 2000 to 2003's start, which builds or finds the legacy menu, is swept alike: it must stay silent,
// give the user's clipboard back, leak nothing, and leave a menu that Excel's next start finds whole.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "addin/legacymenu/ClipboardFace.h"
#include "addin/ribbon/RibbonMarkup.h"
#include "framework/ClassRegistry.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelConstants.h"
#include "host/excel/LiveObjects.h"
#include "res/resource.h"
#include "sheet/Dispids.h"
#include "tests/addin/CallbackDispids.h"
#include "tests/addin/AddinTestKit.h"
#include "tests/addin/LegacyMenuTestKit.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using cwtest::FailureStyle;
using cwtest::FaultPlan;

constexpr long kLastRow = 8;
constexpr long kLastColumn = 6;
constexpr long kLongListRows = 600;

// What a user has: manual calculation and no screen updating, which a run must leave so.
void PresetSettings(host::Excel& excel) {
    excel.SetCalculation(host::xl::CalculationManual);
    excel.SetScreenUpdating(false);
    excel.SetEnableEvents(true);
}

// Texts to change among numbers, a formula, a text that reads as a number, a blank, and two areas.
void UntidyTexts(host::Excel& excel) {
    host::Sheet& sheet = excel.ActiveSheet();
    sheet.SetText(L"A1", L"  alpha one ");
    sheet.SetText(L"B1", L"beta ");
    sheet.SetText(L"C1", L" gamma");
    sheet.SetText(L"A2", L"delta");
    sheet.SetNumber(L"B2", 42);
    sheet.SetFormula(L"C2", L"=A2", host::CellValue::Text(L"delta"));
    sheet.SetText(L"A3", L" 12 ");
    sheet.SetText(L"C3", L"epsilon\u00A0");
    sheet.SetText(L"E5", L" zeta ");
    excel.Select(L"$A$1:$C$3,$E$5");
}

// The same over whole columns: past the size limit, in blocks.
void UntidyColumns(host::Excel& excel) {
    UntidyTexts(excel);
    excel.Select(L"$A:$C,$E:$E");
}

// A list long enough for several bands of blocks: a column of texts to change beside one of texts no tool
// changes, a number and a formula now and then, and rows that repeat earlier ones.
void LongList(host::Excel& excel) {
    host::Sheet& sheet = excel.ActiveSheet();
    for (long r = 1; r <= kLongListRows; ++r) {
        const std::wstring row = std::to_wstring(r);
        sheet.SetText(L"A" + row, L" item " + std::to_wstring(r % 40));
        if (r % 17 == 0)
            sheet.SetFormula(L"B" + row, L"=A1", host::CellValue::Text(L" f"));
        else if (r % 13 == 0)
            sheet.SetNumber(L"B" + row, r);
        else
            sheet.SetText(L"B" + row, L"B" + std::to_wstring(r % 7));
    }
    excel.Select(L"$A$1:$B$" + std::to_wstring(kLongListRows));
}

// The same list in whole columns.
void LongListColumns(host::Excel& excel) {
    LongList(excel);
    excel.Select(L"$A:$B");
}

// Rows of texts, a number and a blank to join.
void TextsToJoin(host::Excel& excel) {
    host::Sheet& sheet = excel.ActiveSheet();
    sheet.SetText(L"A1", L"one");
    sheet.SetText(L"B1", L"two");
    sheet.SetText(L"C1", L"three");
    sheet.SetText(L"A2", L"four");
    sheet.SetNumber(L"B2", 5);
    sheet.SetText(L"C2", L"six");
    sheet.SetText(L"B3", L"eight");
    sheet.SetText(L"C3", L" nine");
    excel.Select(L"$A$1:$C$3");
}

// The same over whole columns: past the size limit, within the used range.
void ColumnsToJoin(host::Excel& excel) {
    TextsToJoin(excel);
    excel.Select(L"$A:$C");
}

// Rows to join in several bands, with column B merged four rows at a time, so that bands end beside merged areas.
void MergedLabelsToJoin(host::Excel& excel) {
    host::Sheet& sheet = excel.ActiveSheet();
    for (long r = 1; r <= 90; ++r) {
        sheet.SetText(L"A" + std::to_wstring(r), L"a" + std::to_wstring(r));
        sheet.SetText(L"C" + std::to_wstring(r), L"c" + std::to_wstring(r));
        if (r % 4 != 1) continue;
        sheet.SetText(L"B" + std::to_wstring(r), L"label");
        // The last one reaches past the selection.
        sheet.MergeCells(L"B" + std::to_wstring(r) + L":B" + std::to_wstring(r + 3));
    }
    excel.Select(L"$A$1:$C$90");
}

// A command as the user runs it from the ribbon.
struct Command {
    const char* name;
    DISPID callback;
    UINT firstPage;
    // On the first page: the user's steps to the end of the wizard. A failed run leaves the wizard open; the
    // user then cancels it.
    std::function<void(const host::WizardView&)> finish;
    std::function<void(host::Excel&)> arrange;
};

void PrintTo(const Command& command, std::ostream* out) { *out << command.name; }

// Next as often as given, a click on the last page's option (0: its defaults), Finish, and Cancel when a
// failure kept the wizard open. All in one step: a few hundred runs stay fast.
std::function<void(const host::WizardView&)> Through(int nexts, int option) {
    return [nexts, option](const host::WizardView& view) {
        for (int i = 0; i < nexts; ++i) ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        if (option) ::SendDlgItemMessageW(PropSheet_GetCurrentPageHwnd(view.sheet), option, BM_CLICK, 0, 0);
        ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        if (PropSheet_GetCurrentPageHwnd(view.sheet)) ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    };
}

// Merge Cell Text by column, merged: the mode page's second choice, then the defaults of its option page.
void FinishMergeByColumn(const host::WizardView& view) {
    ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    ::SendDlgItemMessageW(PropSheet_GetCurrentPageHwnd(view.sheet), IDC_OPTION_2, BM_CLICK, 0, 0);
    Through(1, 0)(view);
}

// A list of a text and a number whose row 3 repeats row 1.
void RepeatedRows(host::Excel& excel) {
    host::Sheet& sheet = excel.ActiveSheet();
    for (long r = 1; r <= 3; ++r) {
        sheet.SetText(L"A" + std::to_wstring(r), r == 2 ? L"bob" : L"ann");
        sheet.SetNumber(L"B" + std::to_wstring(r), r % 2);
    }
    excel.Select(L"$A$1:$B$3");
}

// Next; with columns listed, Next, Delete and Finish; then Cancel when a failure kept the wizard open.
void FinishRemoveDuplicates(const host::WizardView& view) {
    ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    HWND list = ::GetDlgItem(PropSheet_GetCurrentPageHwnd(view.sheet), IDC_COLUMN_LIST);
    if (list && ListView_GetItemCount(list) > 0) {
        ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        ::SendDlgItemMessageW(PropSheet_GetCurrentPageHwnd(view.sheet), IDC_ACTION_DELETE, BM_CLICK, 0, 0);
        ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    }
    if (PropSheet_GetCurrentPageHwnd(view.sheet)) ::SendMessageW(view.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

const Command kCommands[] = {
    {"Change Case", DISPID_CHANGECASE, IDD_SELECT_N, Through(1, IDC_OPTION_1), UntidyTexts},
    {"Remove Characters", DISPID_REMCHARS, IDD_SELECT_N, Through(1, IDC_OPTION_3), UntidyTexts},
    {"Change Case over whole columns", DISPID_CHANGECASE, IDD_SELECT_N, Through(1, IDC_OPTION_1), UntidyColumns},
    {"Remove Characters in bands", DISPID_REMCHARS, IDD_SELECT_N, Through(1, IDC_OPTION_1), LongList},
    {"Remove Duplicates", DISPID_REMDUPS, IDD_SELECT, FinishRemoveDuplicates, RepeatedRows},
    {"Remove Duplicates over whole columns in bands", DISPID_REMDUPS, IDD_SELECT, FinishRemoveDuplicates,
     LongListColumns},
    // Row by row into the left cells, merged: the defaults of its pages.
    {"Merge Cell Text", DISPID_MERGECELL, IDD_SELECT_N, Through(2, 0), TextsToJoin},
    {"Merge Cell Text over whole columns", DISPID_MERGECELL, IDD_SELECT_N, Through(2, 0), ColumnsToJoin},
    {"Merge Cell Text by column over whole columns", DISPID_MERGECELL, IDD_SELECT_N, FinishMergeByColumn,
     ColumnsToJoin},
    // Merge unticked, which ticks clearing: writes and clearings beside the merged areas.
    {"Merge Cell Text in bands beside merged areas", DISPID_MERGECELL, IDD_SELECT_N, Through(2, IDC_MERGE_TARGETS),
     MergedLabelsToJoin},
};

const FailureStyle kStyles[] = {FailureStyle::Exception, FailureStyle::DeferredFillIn, FailureStyle::BareCode};

const char* StyleName(FailureStyle style) {
    switch (style) {
    case FailureStyle::Exception: return "exception";
    case FailureStyle::DeferredFillIn: return "deferred fill-in";
    case FailureStyle::BareCode: return "bare code";
    }
    return "?";
}

bool SameCell(const host::Cell& a, const host::Cell& b) {
    return a.hasFormula == b.hasFormula && a.formula == b.formula && a.value == b.value;
}

std::vector<host::Cell> Cells(host::Excel& excel) {
    std::vector<host::Cell> cells;
    const std::optional<host::Area> used = excel.ActiveSheet().UsedArea();
    const long lastRow = used && used->bottom > kLastRow ? used->bottom : kLastRow;
    for (long r = 1; r <= lastRow; ++r)
        for (long c = 1; c <= kLastColumn; ++c) cells.push_back(excel.ActiveSheet().At(r, c));
    return cells;
}

// What one run of a command left behind.
struct Outcome {
    HRESULT invoked = E_FAIL;
    bool threw = false;
    std::string driverReport;
    bool driverDone = false;
    std::vector<framework::MessageRequest> messages;
    std::vector<host::Cell> before;
    std::vector<host::Cell> after;
    long calculation = 0;
    bool screenUpdating = true;
    bool enableEvents = true;
    size_t calls = 0;
    size_t failures = 0;
};

// One run: a fresh stand-in arranged for the command, the add-in connected through the plan's proxy as Excel
// connects it, the plan armed, the command started through its ribbon callback, and everything released.
Outcome RunCommand(const Command& command, const std::function<void(FaultPlan&)>& arm) {
    Outcome outcome;
    auto excel = host::Excel::Create();
    command.arrange(*excel);
    PresetSettings(*excel);
    outcome.before = Cells(*excel);

    auto plan = std::make_shared<FaultPlan>();
    IDTExtensibility2* addin = cwtest::CreateAddinThroughFactory();
    if (!addin) return outcome;
    IDispatch* callbacks = nullptr;
    {
        framework::ComPtr<IDispatch> app = cwtest::WithFaults(excel->Application(), plan);
        addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr);
        IRibbonExtensibility* ribbon = nullptr;
        addin->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon));
        if (ribbon) {
            ribbon->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&callbacks));
            ribbon->Release();
        }
    }
    if (callbacks) {
        cwtest::MessageBoxRecorder messages;
        host::WizardDriver driver;
        driver.WaitForPage(command.firstPage).Do("finish the wizard", command.finish);
        VARIANT control;
        control.vt = VT_DISPATCH;
        control.pdispVal = nullptr;
        DISPPARAMS params{&control, nullptr, 1, 0};
        plan->FailCall(0, FailureStyle::Exception);  // the connection's calls do not count
        arm(*plan);
        outcome.driverDone = driver.Run([&] {
            try {
                outcome.invoked = callbacks->Invoke(command.callback, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                                    &params, nullptr, nullptr, nullptr);
            } catch (...) {
                outcome.threw = true;
            }
        });
        outcome.calls = plan->Calls();
        outcome.failures = plan->Failures();
        plan->FailCall(0, FailureStyle::Exception);
        outcome.driverReport = driver.Report();
        outcome.messages = messages.Messages();
        callbacks->Release();
    }
    addin->OnDisconnection(ext_dm_HostShutdown, nullptr);
    addin->Release();
    outcome.after = Cells(*excel);
    outcome.calculation = excel->Calculation();
    outcome.screenUpdating = excel->ScreenUpdating();
    outcome.enableEvents = excel->EnableEvents();
    return outcome;
}

class LeakChecked : public testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = host::LiveObjects();
        m_proxiesBefore = cwtest::LiveProxies();
    }
    void TearDown() override {
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects left alive";
        EXPECT_EQ(cwtest::LiveProxies(), m_proxiesBefore) << "proxies left alive";
        EXPECT_EQ(framework::CanUnloadNow(), S_OK) << "an add-in object or lock left alive";
    }

private:
    long m_liveBefore = 0;
    long m_proxiesBefore = 0;
};

class FaultSweep : public LeakChecked, public testing::WithParamInterface<Command> {};

TEST_P(FaultSweep, every_failing_host_call_is_reported_once_and_leaves_cells_settings_and_objects_whole) {
    const Command& command = GetParam();
    const Outcome clean = RunCommand(command, [](FaultPlan&) {});
    ASSERT_TRUE(clean.driverDone) << clean.driverReport;
    ASSERT_EQ(clean.invoked, S_OK);
    ASSERT_TRUE(clean.messages.empty()) << "the clean run shows nothing";
    ASSERT_GT(clean.calls, 10u) << "a representative run";

    for (FailureStyle style : kStyles) {
        for (size_t n = 1; n <= clean.calls; ++n) {
            SCOPED_TRACE(std::string(command.name) + ", call " + std::to_string(n) + " of " +
                         std::to_string(clean.calls) + " fails with " + StyleName(style));
            const long liveBefore = host::LiveObjects();
            const Outcome run = RunCommand(command, [&](FaultPlan& plan) { plan.FailCall(n, style); });
            EXPECT_EQ(host::LiveObjects(), liveBefore) << "stand-in objects left alive";
            EXPECT_EQ(cwtest::LiveProxies(), 0) << "proxies left alive";
            ASSERT_TRUE(run.driverDone) << run.driverReport;
            EXPECT_FALSE(run.threw) << "an exception crossed into Excel";
            EXPECT_EQ(run.invoked, S_OK);
            EXPECT_EQ(run.failures, 1u);
            ASSERT_LE(run.messages.size(), 1u);
            if (run.messages.empty()) {
                for (size_t i = 0; i < run.after.size(); ++i)
                    EXPECT_TRUE(SameCell(run.after[i], clean.after[i])) << "cell " << i << ": a run that told "
                                                                        << "the user nothing must have finished";
            } else {
                const framework::MessageRequest& message = run.messages[0];
                EXPECT_EQ(message.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
                if (style == FailureStyle::BareCode) {
                    EXPECT_NE(message.text.find(L"0x800A03EC"), std::wstring::npos) << testing::PrintToString(message.text);
                } else {
                    EXPECT_EQ(message.text, FaultPlan::Description());
                }
                for (size_t i = 0; i < run.after.size(); ++i)
                    EXPECT_TRUE(SameCell(run.after[i], run.before[i]) || SameCell(run.after[i], clean.after[i]))
                        << "cell " << i << " is neither as before nor as the run leaves it: "
                        << testing::PrintToString(run.after[i].value.text) << " before "
                        << testing::PrintToString(run.before[i].value.text) << " after "
                        << testing::PrintToString(clean.after[i].value.text) << " message "
                        << testing::PrintToString(run.messages[0].text);
            }
            EXPECT_EQ(run.calculation, host::xl::CalculationManual);
            EXPECT_FALSE(run.screenUpdating);
            EXPECT_TRUE(run.enableEvents);
            if (HasFailure()) return;  // one broken position tells enough
        }
    }
}

using SettingsPutBack = LeakChecked;

TEST_F(SettingsPutBack, a_setting_excel_will_not_take_back_after_a_run_that_went_well_is_reported) {
    // Events go off at the start; every attempt to switch them on again is refused.
    const Command& changeCase = kCommands[0];
    const Outcome clean = RunCommand(changeCase, [](FaultPlan&) {});
    const Outcome run = RunCommand(changeCase, [](FaultPlan& plan) {
        plan.FailMember(sheet::dispid::EnableEvents, DISPATCH_PROPERTYPUT, 2, FailureStyle::Exception);
    });
    ASSERT_TRUE(run.driverDone) << run.driverReport;
    EXPECT_EQ(run.invoked, S_OK);
    EXPECT_EQ(run.failures, 2u) << "asked twice";
    ASSERT_EQ(run.messages.size(), 1u) << "the user is told";
    EXPECT_EQ(run.messages[0].text, FaultPlan::Description());
    EXPECT_FALSE(run.enableEvents);
    EXPECT_EQ(run.calculation, host::xl::CalculationManual) << "the other settings are put back";
    EXPECT_FALSE(run.screenUpdating);
    for (size_t i = 0; i < run.after.size(); ++i)
        EXPECT_TRUE(SameCell(run.after[i], clean.after[i])) << "cell " << i << ": the run itself went well";
}

// A start of Excel 2000 to 2003, with the command bars as it finds them.
struct MenuStart {
    const char* name;
    const wchar_t* version;
    std::function<void(host::Excel&)> arrange;
};

void PrintTo(const MenuStart& start, std::ostream* out) { *out << start.name; }

const MenuStart kMenuStarts[] = {
    {"Excel 2003 first start", L"11.0", [](host::Excel&) {}},
    {"Excel 2000 first start", L"9.0", [](host::Excel&) {}},
    {"Excel 2003 restart", L"11.0",
     [](host::Excel& excel) {
         cwtest::StartedAddin(excel).Stop(ext_dm_HostShutdown);
         excel.Restart();
     }},
    {"Excel 2003 beside another family add-in", L"11.0",
     [](host::Excel& excel) {
         auto family = excel.CommandBars().Find(L"Worksheet Menu Bar")->Controls().Add(host::mso::ControlPopup,
                                                                                       L"Zenda Utilities");
         family->Controls().Add(host::mso::ControlPopup, L"Zenda Other Tool");
         family->Controls().Add(host::mso::ControlButton, L"Zenda Utilities Website");
     }},
};

// One start with the plan's call failing: checks what the user meets at once and what the add-in leaves
// alive once unloaded, and gives the calls made and the command bars of Excel's next, clean start.
std::pair<size_t, std::vector<std::wstring>> StartExcel(const MenuStart& start, size_t failing, FailureStyle style) {
    auto excel = host::Excel::Create();
    excel->SetVersion(start.version);
    start.arrange(*excel);
    ForgetFaceFormats();  // each start asks Office for them, as a newly loaded module does
    const std::string copied = "copied from the user's mail";
    cwtest::PutOnClipboard(CF_TEXT, cwtest::GlobalBlockOf(copied.c_str(), copied.size() + 1));
    const long objectsBefore = host::LiveObjects();
    auto plan = std::make_shared<FaultPlan>();
    plan->FailCall(failing, style);
    cwtest::MessageBoxRecorder messages;
    IDTExtensibility2* addin = cwtest::CreateAddinThroughFactory();
    bool threw = false;
    try {
        framework::ComPtr<IDispatch> app = cwtest::WithFaults(excel->Application(), plan);
        EXPECT_EQ(addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), S_OK);
        EXPECT_EQ(addin->OnStartupComplete(nullptr), S_OK);
        EXPECT_EQ(cwtest::ClipboardBytes(CF_TEXT).c_str(), copied) << "the user's clipboard is back";
        EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
    } catch (...) {
        threw = true;
    }
    addin->Release();
    EXPECT_FALSE(threw) << "an exception crossed into Excel";
    EXPECT_EQ(plan->Failures(), failing ? 1u : 0u);
    EXPECT_EQ(messages.Count(), 0u) << "Excel starts without a word from the add-in";
    EXPECT_EQ(host::LiveObjects(), objectsBefore) << "stand-in objects left alive";
    EXPECT_EQ(cwtest::LiveProxies(), 0) << "proxies left alive";
    EXPECT_EQ(framework::CanUnloadNow(), S_OK) << "a handler or the add-in left alive";
    excel->Restart();
    cwtest::StartedAddin next(*excel);
    return {plan->Calls(), cwtest::DescribeCommandBars(excel->CommandBars())};
}

class MenuFaultSweep : public LeakChecked, public testing::WithParamInterface<MenuStart> {};

TEST_P(MenuFaultSweep, every_failing_host_call_at_excels_start_is_silent_and_leaves_a_menu_the_next_start_finds_whole) {
    const MenuStart& start = GetParam();
    const auto [calls, whole] = StartExcel(start, 0, FailureStyle::Exception);
    ASSERT_GT(calls, 10u) << "a representative start";
    for (FailureStyle style : kStyles) {
        for (size_t n = 1; n <= calls && !HasFailure(); ++n) {
            SCOPED_TRACE(std::string(start.name) + ", call " + std::to_string(n) + " of " + std::to_string(calls) +
                         " fails with " + StyleName(style));
            EXPECT_EQ(StartExcel(start, n, style).second, whole) << "the next start finds it whole, each button once";
        }
    }
}

template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Commands, FaultSweep, testing::ValuesIn(kCommands), CaseName<Command>);
INSTANTIATE_TEST_SUITE_P(MenuStarts, MenuFaultSweep, testing::ValuesIn(kMenuStarts), CaseName<MenuStart>);

}  // namespace
