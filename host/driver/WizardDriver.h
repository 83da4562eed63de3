// Scripts a modal property sheet from inside its own modal loop, as a user would. The caller (a test, the
// workbench) lists steps, then runs the command that shows the wizard; a thread timer, dispatched by the
// sheet's loop (or a message box's), finds the thread's current sheet and page and performs the steps in
// order. Every wait is bounded; a script that fails or times out cancels every open sheet and records why,
// so Run always returns.
//
//   WizardDriver driver;
//   driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_CHANGECASE).CheckRadio(2022).PressFinish();
//   ASSERT_TRUE(driver.Run([&] { addin->InvokeCallback(DISPID_CHANGECASE); })) << driver.Report();
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace host {

// A sheet button counts as available when it is both visible and enabled.
struct WizardButtons {
    bool back = false;
    bool next = false;
    bool finish = false;
    bool cancel = false;
};

// What a step sees at its tick.
struct WizardView {
    HWND sheet = nullptr;
    HWND page = nullptr;
    UINT templateId = 0;  // 0 for a page that is not a framework page
    std::wstring title;   // the page's caption
};

struct ListRow {
    std::vector<std::wstring> texts;  // one per column
    bool checked = false;
};

class WizardDriver {
public:
    WizardDriver();
    ~WizardDriver();

    WizardDriver(const WizardDriver&) = delete;
    WizardDriver& operator=(const WizardDriver&) = delete;

    // Waits (bounded by the step timeout) until the current page is the one named.
    WizardDriver& WaitForPage(UINT templateId);
    WizardDriver& WaitForPageTitle(const std::wstring& title);
    // Waits until a condition of the caller's own holds on the current page.
    WizardDriver& WaitUntil(const std::string& description, std::function<bool(const WizardView&)> condition);

    // Controls of the current page. Each waits until the control is there, visible and enabled.
    WizardDriver& Click(int controlId);
    // Clicks a radio button and fails unless it is checked afterwards.
    WizardDriver& CheckRadio(int controlId);
    // Clicks a check box if its state differs from the one wanted.
    WizardDriver& SetCheck(int controlId, bool checked);
    // Replaces an edit's text (WM_SETTEXT; the edit sends EN_CHANGE).
    WizardDriver& SetText(int controlId, const std::wstring& text);
    // Focuses the control and sends one WM_CHAR per character, as typing does.
    WizardDriver& TypeText(int controlId, const std::wstring& text);
    // Focuses the control and puts the caret at a character index.
    WizardDriver& SetCaret(int controlId, int position);
    // Focuses the control and sends the key's WM_KEYDOWN, WM_CHAR (Backspace, Enter, Tab, Escape) and WM_KEYUP.
    WizardDriver& PressKey(int controlId, UINT virtualKey);
    // Makes an item of a combo box current and tells the page, as a user's choice does.
    WizardDriver& SelectComboItem(int controlId, int index);
    // Ticks or unticks an item of a list view with check boxes.
    WizardDriver& SetListCheck(int controlId, int item, bool checked);

    // Reads into the caller's variables, which must outlive Run.
    WizardDriver& ReadText(int controlId, std::wstring& text);
    WizardDriver& ReadCheck(int controlId, bool& checked);
    WizardDriver& ReadEnabled(int controlId, bool& enabled);
    WizardDriver& ReadButtons(WizardButtons& buttons);
    WizardDriver& ReadPage(UINT& templateId);
    WizardDriver& ReadComboSelection(int controlId, int& index, std::wstring& text, DWORD_PTR& data);
    WizardDriver& ReadListView(int controlId, std::vector<ListRow>& rows);

    // The sheet's buttons (PSM_PRESSBUTTON); each waits until the button is available.
    WizardDriver& PressBack();
    WizardDriver& PressNext();
    WizardDriver& PressFinish();
    WizardDriver& PressCancel();

    // A step of the caller's own on the current page; it may show UI of its own.
    WizardDriver& Do(const std::string& description, std::function<void(const WizardView&)> action);

    // Lets `look` see each message box before it is closed: a box stays open until `look` gives true for it (once
    // it has been drawn and its picture taken, say). Without it a box is closed as soon as it is seen.
    WizardDriver& LookAtMessageBoxes(std::function<bool(HWND box)> look);

    // The bound of each step's wait (default 5 s) and of the whole run (default 60 s).
    WizardDriver& SetStepTimeout(DWORD milliseconds);
    WizardDriver& SetRunTimeout(DWORD milliseconds);

    // Runs the action that shows the wizard and performs the script inside it. True when every step ran
    // and nothing failed.
    bool Run(const std::function<void()>& action);

    // Readable account of the run: failures first, then progress and the message boxes closed.
    std::string Report() const;
    const std::vector<std::string>& Failures() const { return m_failures; }
    // Texts of real message boxes (not the framework's recorded ones) that appeared and were closed.
    const std::vector<std::wstring>& ClosedMessageBoxes() const { return m_closedMessageBoxes; }
    // How many different sheets were seen during the run.
    int SheetsSeen() const { return m_sheetsSeen; }
    size_t StepsDone() const { return m_next; }

private:
    struct Step {
        std::string description;
        bool needsPage;
        // Ready to act, or why not yet (the reason a timeout reports).
        std::function<bool(const WizardView&, std::string& reason)> ready;
        // Runs once after ready; null for waits and reads done inside ready. May enter a modal loop.
        // A non-empty result is a failure of the step.
        std::function<std::string(const WizardView&)> act;
    };

    WizardDriver& Add(std::string description, bool needsPage,
                      std::function<bool(const WizardView&, std::string&)> ready,
                      std::function<std::string(const WizardView&)> act = nullptr);
    WizardDriver& ControlAction(std::string description, int controlId, std::function<std::string(HWND control)> act);
    WizardDriver& ControlRead(std::string description, int controlId, std::function<void(HWND control)> read);
    WizardDriver& Press(const char* name, int buttonId, int pressButton);

    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
    void Tick();
    void Abort();
    void Fail(const std::string& message);
    void FailStep(size_t index, const std::string& message);
    void CloseMessageBoxes();
    WizardView CurrentView();
    std::string Describe(const WizardView& view) const;

    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_stepTimeout = 5000;
    DWORD m_runTimeout = 60000;

    UINT_PTR m_timer = 0;
    DWORD m_runStart = 0;
    DWORD m_stepStart = 0;
    DWORD m_idleSince = 0;  // when the script ran out while a sheet stayed open
    bool m_aborting = false;
    DWORD m_abortStart = 0;
    HWND m_lastSheet = nullptr;
    int m_sheetsSeen = 0;
    std::vector<std::string> m_failures;
    std::vector<std::wstring> m_closedMessageBoxes;
    std::vector<HWND> m_closingBoxes;
    std::function<bool(HWND)> m_lookAtBoxes;
};

}  // namespace host
