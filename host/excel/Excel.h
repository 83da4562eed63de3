// The stand-in for one running Excel with one workbook: the state its Application object answers
// from, the workbook's sheets, the selection, the InputBox answers a test queues, and the log of
// automation calls. Automation objects keep the session alive while a client holds them.
//
//   auto excel = host::Excel::Create();
//   framework::ComPtr<IDispatch> app = excel->Application();
//   excel->ActiveSheet().SetText(L"B2", L"hello");
//   excel->Select(L"$A$1:$C$3,$E$5");
//   excel->CommandBars().Find(L"Worksheet Menu Bar")->Controls().Add(host::mso::ControlPopup, L"Tools");
//   ... drive the client ...
//   EXPECT_EQ(excel->Log().Count(L"Range.Value", host::Kind::Put), 3u);
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/CallLog.h"
#include "host/excel/CommandBars.h"
#include "host/excel/ExcelConstants.h"
#include "host/excel/Range.h"
#include "host/excel/Sheet.h"
#include "host/excel/Variant.h"

#include <windows.h>
#include <oaidl.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

// The arguments one Application.InputBox call received; arguments left out are VT_ERROR
// DISP_E_PARAMNOTFOUND, as they arrived.
struct InputBoxCall {
    std::wstring prompt;
    Variant title;
    Variant defaultValue;
    Variant left;
    Variant top;
    Variant helpFile;
    Variant helpContextId;
    Variant type;
};

class Excel : public std::enable_shared_from_this<Excel> {
public:
    // A workbook "Book1" with one sheet "Sheet1", A1 selected, calculation automatic, screen
    // updating and events on, version "14.0", one window.
    static std::shared_ptr<Excel> Create();

    Excel(const Excel&) = delete;
    Excel& operator=(const Excel&) = delete;

    // A new Application object (a new reference the caller owns).
    framework::ComPtr<IDispatch> Application();

    // ---- Workbook
    Sheet& ActiveSheet() { return *m_sheets[m_active]; }
    const std::shared_ptr<Sheet>& ActiveSheetPtr() const { return m_sheets[m_active]; }
    Sheet& AddSheet(const std::wstring& name);
    void ActivateSheet(const std::wstring& name);
    // The user deletes a sheet: it leaves the workbook, and objects held on it fail every call as Excel's do
    // ("Object required"). The last sheet cannot go (std::invalid_argument).
    void DeleteSheet(const std::wstring& name);
    Sheet* FindSheet(const std::wstring& name);
    // The user closes the workbook and a new one ("Book2") with one empty sheet takes its place: objects held on
    // the old sheets fail every call, as deleted ones do.
    void CloseWorkbook();
    const std::wstring& WorkbookName() const { return m_workbookName; }
    void SetWorkbookName(const std::wstring& name);

    // ---- Selection
    // Selects cells of the active sheet ("$A$1:$C$3,$E$5"); throws std::invalid_argument for text
    // that is no reference.
    void Select(const std::wstring& address);
    // Makes a chart the selection: Application.Selection then gives an object without Range members.
    void SelectChart(const std::wstring& chartName = L"Chart 1");
    bool ChartSelected() const { return m_chartSelected; }
    const std::wstring& ChartName() const { return m_chartName; }
    // The selected cells (also while a chart is selected: the cells selected before).
    Range Selection() const;
    std::wstring SelectionAddress() const;
    // Range.Select: the range's sheet becomes the selection's.
    void SelectRange(const Range& range);
    // Range.Activate: a cell of the selection becomes its active cell; any other range is selected.
    void ActivateRange(const Range& range);

    // Protects or unprotects the active sheet.
    void SetProtected(bool value) { ActiveSheet().SetProtected(value); }

    // ---- Application.InputBox: answers in the order queued; an empty queue answers Cancel.
    // A reference on the active sheet (or "Sheet2!B2" on another); with Type 8 InputBox gives the
    // Range, otherwise the text.
    void QueueInputBoxRange(const std::wstring& address);
    // Text typed into the box; with Type 1 a number comes back as a double.
    void QueueInputBoxText(const std::wstring& text);
    // Cancel: InputBox gives the boolean False.
    void QueueInputBoxCancel();
    size_t PendingInputBoxAnswers() const { return m_inputBoxAnswers.size(); }
    const std::vector<InputBoxCall>& InputBoxCalls() const { return m_inputBoxCalls; }

    // ---- Application state
    long Calculation() const { return m_calculation; }
    void SetCalculation(long mode) { m_calculation = mode; }
    bool ScreenUpdating() const { return m_screenUpdating; }
    void SetScreenUpdating(bool value) { m_screenUpdating = value; }
    bool EnableEvents() const { return m_enableEvents; }
    void SetEnableEvents(bool value) { m_enableEvents = value; }
    const std::wstring& Version() const { return m_version; }
    // Also gives every sheet that version's limits (VersionLimits::Of): "11.0" and before have 65,536 rows by
    // 256 columns. Throws std::invalid_argument when a sheet holds cells outside them.
    void SetVersion(std::wstring version);
    const VersionLimits& Limits() const { return m_limits; }
    // The user's language, which a call passing LOCALE_USER_DEFAULT (or the system's, or a neutral one)
    // stands for: 1033 (English, United States) unless a test plays another.
    LCID UserLocale() const { return m_userLocale; }
    void SetUserLocale(LCID locale) { m_userLocale = locale; }
    // The locale a call means: its own, or the user's for a default or neutral one.
    LCID ResolveLocale(LCID locale) const;
    // The status bar: no text while Excel shows its own (StatusBar reads False), else the text put there.
    const std::optional<std::wstring>& StatusBar() const { return m_statusBar; }
    // A fixture: the text a macro left there (or Excel's own), not recorded as a put.
    void SetStatusBar(std::optional<std::wstring> text) { m_statusBar = std::move(text); }
    // Every StatusBar put through automation, in order; False is recorded as no text.
    const std::vector<std::optional<std::wstring>>& StatusBarPuts() const { return m_statusBarPuts; }
    void RecordStatusBarPut(std::optional<std::wstring> text);
    // While set, reading or putting StatusBar fails as a busy Excel fails it.
    void SetStatusBarFails(bool fails) { m_statusBarFails = fails; }
    bool StatusBarFails() const { return m_statusBarFails; }
    int QuitCount() const { return m_quitCount; }
    // Application.Hwnd (Excel 2002 and later): none unless a test gives one.
    HWND MainWindow() const { return m_mainWindow; }
    void SetMainWindow(HWND window) { m_mainWindow = window; }
    long WindowCount() const { return m_windowCount; }
    void SetWindowCount(long count) { m_windowCount = count; }

    // ---- Office command bars: "Worksheet Menu Bar" with "&File", "&Edit" and "&Help" at first.
    host::CommandBars& CommandBars() { return m_commandBars; }
    const host::CommandBars& CommandBars() const { return m_commandBars; }
    // The user clicks a button: Office calls Click (DISPID 1, with the button and CancelDefault by
    // reference) on every sink advised on it, in advise order. Gives the number of sinks called; a
    // popup, a disabled or deleted button, or one on no bar calls none.
    size_t Click(const std::shared_ptr<CommandBarControl>& button);
    // Excel ends and starts again with the command bars it keeps (see CommandBars::Restart).
    void Restart() { m_commandBars.Restart(); }

    // ---- Failures a test asks for: the `occurrence`-th call from now of "Object.Member" (as the log
    // names it) fails as Office fails a call, "Method 'Member' of object 'Object' failed".
    void FailCall(const std::wstring& name, size_t occurrence = 1);
    // For the automation objects: whether this call is the one to fail.
    bool TakeInjectedFailure(const std::wstring& name);

    // ---- Log of Invoke calls
    CallLog& Log() { return m_log; }
    const CallLog& Log() const { return m_log; }
    void ClearLog() { m_log.Clear(); }

    // ---- For the automation objects
    struct InputBoxAnswer {
        enum class Kind { Cancel, Range, Text } kind = Kind::Cancel;
        std::wstring text;
    };
    InputBoxAnswer TakeInputBoxAnswer();
    void RecordInputBox(InputBoxCall call) { m_inputBoxCalls.push_back(std::move(call)); }
    void RecordQuit() { ++m_quitCount; }
    // A reference on the active sheet, or on the sheet it names; throws ExcelError when it is none.
    Range ResolveReference(const std::wstring& text) const;

private:
    Excel();

    std::wstring m_workbookName = L"Book1";
    int m_workbooksOpened = 1;
    std::vector<std::shared_ptr<Sheet>> m_sheets;
    size_t m_active = 0;
    bool m_chartSelected = false;
    std::wstring m_chartName;
    std::deque<InputBoxAnswer> m_inputBoxAnswers;
    std::vector<InputBoxCall> m_inputBoxCalls;
    long m_calculation = xl::CalculationAutomatic;
    bool m_screenUpdating = true;
    bool m_enableEvents = true;
    std::wstring m_version = L"14.0";
    VersionLimits m_limits = VersionLimits::Of(L"14.0");
    LCID m_userLocale = 1033;
    std::optional<std::wstring> m_statusBar;
    std::vector<std::optional<std::wstring>> m_statusBarPuts;
    bool m_statusBarFails = false;
    int m_quitCount = 0;
    long m_windowCount = 1;
    HWND m_mainWindow = nullptr;
    host::CommandBars m_commandBars;
    std::vector<std::pair<std::wstring, size_t>> m_failures;
    CallLog m_log;
};

}  // namespace host
