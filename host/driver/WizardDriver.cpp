#include "host/driver/WizardDriver.h"

#include "framework/Barrier.h"
#include "framework/PropertySheet.h"
#include "framework/TextConversion.h"
#include "framework/WindowProperty.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

namespace host {

namespace {

constexpr UINT kTickMilliseconds = 20;
constexpr int kTabControlId = 0x3020;
// An aborting run first presses Cancel, then ends the sheet from outside, and at last destroys it.
constexpr DWORD kAbortEndAfter = 500;
constexpr DWORD kAbortDestroyAfter = 2000;

thread_local WizardDriver* t_running = nullptr;

std::string Narrow(const std::wstring& text) { return framework::ToUtf8(text); }

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

bool IsDialog(HWND window) { return ClassName(window) == L"#32770"; }

bool IsSheet(HWND window) {
    return IsDialog(window) && (::GetDlgItem(window, kTabControlId) || ::GetDlgItem(window, framework::ID_WIZNEXT));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ThreadSheets() {
    std::vector<HWND> sheets;
    for (HWND window : ThreadWindows()) {
        if (IsSheet(window)) sheets.push_back(window);
    }
    return sheets;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

bool Available(HWND control) { return control && ::IsWindowVisible(control) && ::IsWindowEnabled(control); }

std::wstring MessageBoxText(HWND box) {
    std::vector<HWND> children;
    ::EnumChildWindows(box, &CollectWindow, reinterpret_cast<LPARAM>(&children));
    std::vector<std::wstring> texts;
    for (HWND child : children) {
        if (ClassName(child) != L"Static") continue;
        std::wstring text = WindowText(child);
        if (!text.empty()) texts.push_back(text);
    }
    std::wstring joined = WindowText(box) + L": ";
    for (size_t i = 0; i < texts.size(); ++i) joined += (i ? L" / " : L"") + texts[i];
    return joined;
}

std::string ControlName(int controlId) { return "control " + std::to_string(controlId); }

}  // namespace

WizardDriver::WizardDriver() = default;

WizardDriver::~WizardDriver() {
    if (t_running == this) {
        ::KillTimer(nullptr, m_timer);
        t_running = nullptr;
    }
}

WizardDriver& WizardDriver::Add(std::string description, bool needsPage,
                                std::function<bool(const WizardView&, std::string&)> ready,
                                std::function<std::string(const WizardView&)> act) {
    m_steps.push_back(Step{std::move(description), needsPage, std::move(ready), std::move(act)});
    return *this;
}

WizardDriver& WizardDriver::WaitForPage(UINT templateId) {
    return Add("wait for page " + std::to_string(templateId), true,
               [templateId](const WizardView& view, std::string& reason) {
                   reason = "the page did not come";
                   return view.templateId == templateId;
               });
}

WizardDriver& WizardDriver::WaitForPageTitle(const std::wstring& title) {
    return Add("wait for the page \"" + Narrow(title) + "\"", true,
               [title](const WizardView& view, std::string& reason) {
                   reason = "the page did not come";
                   return view.title == title;
               });
}

WizardDriver& WizardDriver::WaitUntil(const std::string& description,
                                      std::function<bool(const WizardView&)> condition) {
    return Add("wait until " + description, true,
               [condition = std::move(condition)](const WizardView& view, std::string& reason) {
                   reason = "the condition did not become true";
                   return condition(view);
               });
}

WizardDriver& WizardDriver::ControlAction(std::string description, int controlId,
                                          std::function<std::string(HWND)> act) {
    return Add(
        std::move(description), true,
        [controlId](const WizardView& view, std::string& reason) {
            const HWND control = ::GetDlgItem(view.page, controlId);
            if (!control) {
                reason = "the page has no " + ControlName(controlId);
            } else if (!Available(control)) {
                reason = ControlName(controlId) + " is hidden or disabled";
            }
            return Available(control);
        },
        [controlId, act = std::move(act)](const WizardView& view) { return act(::GetDlgItem(view.page, controlId)); });
}

WizardDriver& WizardDriver::ControlRead(std::string description, int controlId, std::function<void(HWND)> read) {
    return Add(std::move(description), true,
               [controlId, read = std::move(read)](const WizardView& view, std::string& reason) {
                   const HWND control = ::GetDlgItem(view.page, controlId);
                   if (!control) {
                       reason = "the page has no " + ControlName(controlId);
                       return false;
                   }
                   read(control);
                   return true;
               });
}

WizardDriver& WizardDriver::Click(int controlId) {
    return ControlAction("click " + ControlName(controlId), controlId, [](HWND control) {
        ::SendMessageW(control, BM_CLICK, 0, 0);
        return std::string();
    });
}

WizardDriver& WizardDriver::CheckRadio(int controlId) {
    return ControlAction("check radio " + ControlName(controlId), controlId, [](HWND control) {
        ::SendMessageW(control, BM_CLICK, 0, 0);
        if (::IsWindow(control) && ::SendMessageW(control, BM_GETCHECK, 0, 0) != BST_CHECKED) {
            return std::string("the radio button is still unchecked after the click");
        }
        return std::string();
    });
}

WizardDriver& WizardDriver::SetCheck(int controlId, bool checked) {
    return ControlAction(std::string(checked ? "tick " : "untick ") + ControlName(controlId), controlId,
                         [checked](HWND control) {
                             const auto wanted = static_cast<LRESULT>(checked ? BST_CHECKED : BST_UNCHECKED);
                             if (::SendMessageW(control, BM_GETCHECK, 0, 0) != wanted) {
                                 ::SendMessageW(control, BM_CLICK, 0, 0);
                             }
                             if (::IsWindow(control) && ::SendMessageW(control, BM_GETCHECK, 0, 0) != wanted) {
                                 return std::string("the check box did not take the state");
                             }
                             return std::string();
                         });
}

WizardDriver& WizardDriver::SetText(int controlId, const std::wstring& text) {
    return ControlAction("set the text of " + ControlName(controlId) + " to \"" + Narrow(text) + "\"", controlId,
                         [text](HWND control) {
                             ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
                             return std::string();
                         });
}

WizardDriver& WizardDriver::TypeText(int controlId, const std::wstring& text) {
    return ControlAction("type \"" + Narrow(text) + "\" into " + ControlName(controlId), controlId,
                         [text](HWND control) {
                             ::SetFocus(control);
                             for (wchar_t c : text) ::SendMessageW(control, WM_CHAR, c, 1);
                             return std::string();
                         });
}

WizardDriver& WizardDriver::SetCaret(int controlId, int position) {
    return ControlAction("put the caret of " + ControlName(controlId) + " at " + std::to_string(position), controlId,
                         [position](HWND control) {
                             ::SetFocus(control);
                             ::SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(position), position);
                             return std::string();
                         });
}

WizardDriver& WizardDriver::PressKey(int controlId, UINT virtualKey) {
    return ControlAction("press key " + std::to_string(virtualKey) + " in " + ControlName(controlId), controlId,
                         [virtualKey](HWND control) {
                             ::SetFocus(control);
                             const UINT scan = ::MapVirtualKeyW(virtualKey, 0);
                             const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
                             const LPARAM up = down | (1L << 30) | (1L << 31);
                             ::SendMessageW(control, WM_KEYDOWN, virtualKey, down);
                             wchar_t character = 0;
                             switch (virtualKey) {
                             case VK_BACK: character = L'\b'; break;
                             case VK_RETURN: character = L'\r'; break;
                             case VK_TAB: character = L'\t'; break;
                             case VK_ESCAPE: character = 0x1B; break;
                             default: break;
                             }
                             if (character && ::IsWindow(control)) ::SendMessageW(control, WM_CHAR, character, down);
                             if (::IsWindow(control)) ::SendMessageW(control, WM_KEYUP, virtualKey, up);
                             return std::string();
                         });
}

WizardDriver& WizardDriver::SelectComboItem(int controlId, int index) {
    return ControlAction("choose item " + std::to_string(index) + " of " + ControlName(controlId), controlId,
                         [controlId, index](HWND control) {
                             if (::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR) {
                                 return std::string("the combo box has no such item");
                             }
                             ::SendMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE),
                                            reinterpret_cast<LPARAM>(control));
                             return std::string();
                         });
}

WizardDriver& WizardDriver::SetListCheck(int controlId, int item, bool checked) {
    return ControlAction(
        std::string(checked ? "tick" : "untick") + " item " + std::to_string(item) + " of " + ControlName(controlId),
        controlId, [item, checked](HWND control) {
            if (item < 0 || item >= ListView_GetItemCount(control)) {
                return std::string("the list has no such item");
            }
            ListView_SetItemState(control, item, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
            return std::string();
        });
}

WizardDriver& WizardDriver::ReadText(int controlId, std::wstring& text) {
    return ControlRead("read the text of " + ControlName(controlId), controlId,
                       [&text](HWND control) { text = WindowText(control); });
}

WizardDriver& WizardDriver::ReadCheck(int controlId, bool& checked) {
    return ControlRead("read the check of " + ControlName(controlId), controlId, [&checked](HWND control) {
        checked = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    });
}

WizardDriver& WizardDriver::ReadEnabled(int controlId, bool& enabled) {
    return ControlRead("read whether " + ControlName(controlId) + " is enabled", controlId,
                       [&enabled](HWND control) { enabled = ::IsWindowEnabled(control) != FALSE; });
}

WizardDriver& WizardDriver::ReadButtons(WizardButtons& buttons) {
    return Add("read the wizard buttons", true, [&buttons](const WizardView& view, std::string&) {
        buttons.back = Available(::GetDlgItem(view.sheet, framework::ID_WIZBACK));
        buttons.next = Available(::GetDlgItem(view.sheet, framework::ID_WIZNEXT));
        buttons.finish = Available(::GetDlgItem(view.sheet, framework::ID_WIZFINISH));
        buttons.cancel = Available(::GetDlgItem(view.sheet, IDCANCEL));
        return true;
    });
}

WizardDriver& WizardDriver::ReadPage(UINT& templateId) {
    return Add("read the current page", true, [&templateId](const WizardView& view, std::string&) {
        templateId = view.templateId;
        return true;
    });
}

WizardDriver& WizardDriver::ReadComboSelection(int controlId, int& index, std::wstring& text, DWORD_PTR& data) {
    return ControlRead("read the choice of " + ControlName(controlId), controlId, [&index, &text, &data](HWND control) {
        index = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
        text.clear();
        data = 0;
        if (index == CB_ERR) return;
        const LRESULT length = ::SendMessageW(control, CB_GETLBTEXTLEN, index, 0);
        if (length > 0) {
            text.assign(static_cast<size_t>(length) + 1, L'\0');
            const LRESULT copied = ::SendMessageW(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        }
        data = static_cast<DWORD_PTR>(::SendMessageW(control, CB_GETITEMDATA, index, 0));
    });
}

WizardDriver& WizardDriver::ReadListView(int controlId, std::vector<ListRow>& rows) {
    return ControlRead("read the list " + ControlName(controlId), controlId, [&rows](HWND control) {
        rows.clear();
        const HWND header = ListView_GetHeader(control);
        const int columns = std::max(1, header ? Header_GetItemCount(header) : 1);
        const int count = ListView_GetItemCount(control);
        for (int item = 0; item < count; ++item) {
            ListRow row;
            for (int column = 0; column < columns; ++column) {
                wchar_t buffer[1024] = {};
                ListView_GetItemText(control, item, column, buffer, 1024);
                row.texts.push_back(buffer);
            }
            row.checked =
                ((ListView_GetItemState(control, item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) == 2;
            rows.push_back(std::move(row));
        }
    });
}

WizardDriver& WizardDriver::Press(const char* name, int buttonId, int pressButton) {
    return Add(
        std::string("press ") + name, true,
        [name, buttonId](const WizardView& view, std::string& reason) {
            reason = std::string(name) + " is not available";
            return Available(::GetDlgItem(view.sheet, buttonId));
        },
        [pressButton](const WizardView& view) {
            ::SendMessageW(view.sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(pressButton), 0);
            return std::string();
        });
}

WizardDriver& WizardDriver::PressBack() { return Press("Back", framework::ID_WIZBACK, PSBTN_BACK); }
WizardDriver& WizardDriver::PressNext() { return Press("Next", framework::ID_WIZNEXT, PSBTN_NEXT); }
WizardDriver& WizardDriver::PressFinish() { return Press("Finish", framework::ID_WIZFINISH, PSBTN_FINISH); }
WizardDriver& WizardDriver::PressCancel() { return Press("Cancel", IDCANCEL, PSBTN_CANCEL); }

WizardDriver& WizardDriver::Do(const std::string& description, std::function<void(const WizardView&)> action) {
    return Add(
        description, true, [](const WizardView&, std::string&) { return true; },
        [action = std::move(action)](const WizardView& view) {
            action(view);
            return std::string();
        });
}

WizardDriver& WizardDriver::SetStepTimeout(DWORD milliseconds) {
    m_stepTimeout = milliseconds;
    return *this;
}

WizardDriver& WizardDriver::SetRunTimeout(DWORD milliseconds) {
    m_runTimeout = milliseconds;
    return *this;
}

bool WizardDriver::Run(const std::function<void()>& action) {
    if (t_running) {
        m_failures.push_back("another WizardDriver is already running on this thread");
        return false;
    }
    m_next = 0;
    m_failures.clear();
    m_closedMessageBoxes.clear();
    m_closingBoxes.clear();
    m_aborting = false;
    m_sheetsSeen = 0;
    m_lastSheet = nullptr;
    m_idleSince = 0;
    m_runStart = m_stepStart = ::GetTickCount();

    t_running = this;
    m_timer = ::SetTimer(nullptr, 0, kTickMilliseconds, &TimerProc);
    try {
        action();
    } catch (...) {
        m_failures.push_back("the command threw: " + Narrow(framework::DescribeException(std::current_exception())));
    }
    ::KillTimer(nullptr, m_timer);
    m_timer = 0;
    t_running = nullptr;

    // Whatever is still open would block the next test: report it and take it down.
    for (HWND sheet : ThreadSheets()) {
        m_failures.push_back("a property sheet was still open when the command returned");
        ::DestroyWindow(sheet);
    }
    if (!m_aborting && m_next < m_steps.size()) {
        m_failures.push_back("the command returned before step " + std::to_string(m_next + 1) + " (" +
                             m_steps[m_next].description + ")");
    }
    return m_failures.empty();
}

void CALLBACK WizardDriver::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    WizardDriver* driver = t_running;
    if (!driver || id != driver->m_timer) return;
    try {
        driver->Tick();
    } catch (...) {
        driver->Fail("the step threw: " + Narrow(framework::DescribeException(std::current_exception())));
    }
}

WizardView WizardDriver::CurrentView() {
    WizardView view;
    for (HWND sheet : ThreadSheets()) {
        const HWND page = CurrentPage(sheet);
        if (page && ::IsWindowVisible(sheet)) {
            view.sheet = sheet;
            view.page = page;
            break;
        }
    }
    if (view.sheet != m_lastSheet) {
        if (view.sheet) ++m_sheetsSeen;
        m_lastSheet = view.sheet;
    }
    if (view.page) {
        view.templateId =
            static_cast<UINT>(reinterpret_cast<UINT_PTR>(::GetPropW(view.page, framework::kPageTemplateProperty)));
        view.title = WindowText(view.page);
    }
    return view;
}

std::string WizardDriver::Describe(const WizardView& view) const {
    if (!view.page) return "no wizard is open";
    return "the current page is " + std::to_string(view.templateId) + " \"" + Narrow(view.title) + "\"";
}

void WizardDriver::Tick() {
    CloseMessageBoxes();
    if (m_aborting) {
        Abort();
        return;
    }
    if (::GetTickCount() - m_runStart > m_runTimeout) {
        Fail("the run took longer than " + std::to_string(m_runTimeout) + " ms; " + Describe(CurrentView()));
        return;
    }
    while (m_next < m_steps.size()) {
        const size_t index = m_next;
        Step& step = m_steps[index];
        const WizardView view = CurrentView();
        std::string reason = "no wizard is open";
        const bool ready = (!step.needsPage || view.page) && step.ready(view, reason);
        if (!ready) {
            if (::GetTickCount() - m_stepStart > m_stepTimeout) {
                FailStep(index,
                         "timed out after " + std::to_string(m_stepTimeout) + " ms: " + reason + "; " + Describe(view));
            }
            return;
        }
        ++m_next;
        m_stepStart = ::GetTickCount();
        if (step.act) {
            // The step may open a modal loop; the ticks inside it go on with the next steps.
            const std::string failure = step.act(view);
            if (!failure.empty()) FailStep(index, failure);
            return;
        }
    }
    // The script is done: a wizard that stays open now would wait for a user who never comes.
    const WizardView view = CurrentView();
    const DWORD now = ::GetTickCount();
    if (!view.page) {
        m_idleSince = 0;
    } else if (m_idleSince == 0) {
        m_idleSince = now;
    } else if (now - m_idleSince > m_stepTimeout) {
        Fail("the script ended, but the wizard stayed open; " + Describe(view));
    }
}

void WizardDriver::FailStep(size_t index, const std::string& message) {
    Fail("step " + std::to_string(index + 1) + " (" + m_steps[index].description + "): " + message);
}

void WizardDriver::Fail(const std::string& message) {
    m_failures.push_back(message);
    if (!m_aborting) {
        m_aborting = true;
        m_abortStart = ::GetTickCount();
    }
    Abort();
}

void WizardDriver::Abort() {
    const DWORD elapsed = ::GetTickCount() - m_abortStart;
    for (HWND sheet : ThreadSheets()) {
        if (elapsed < kAbortEndAfter) {
            if (CurrentPage(sheet)) ::SendMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        } else if (elapsed < kAbortDestroyAfter) {
            // A page refused the Cancel: end the sheet from outside.
            if (framework::CPropertySheet* owner = framework::CPropertySheet::FromHandle(sheet)) {
                owner->EndDialog(IDCANCEL);
            } else {
                ::PostMessageW(sheet, WM_CLOSE, 0, 0);
            }
        } else {
            ::DestroyWindow(sheet);
        }
    }
}

WizardDriver& WizardDriver::LookAtMessageBoxes(std::function<bool(HWND box)> look) {
    m_lookAtBoxes = std::move(look);
    return *this;
}

void WizardDriver::CloseMessageBoxes() {
    m_closingBoxes.erase(
        std::remove_if(m_closingBoxes.begin(), m_closingBoxes.end(), [](HWND box) { return !::IsWindow(box); }),
        m_closingBoxes.end());
    for (HWND window : ThreadWindows()) {
        if (!IsDialog(window) || IsSheet(window) || !::IsWindowVisible(window)) continue;
        if (std::find(m_closingBoxes.begin(), m_closingBoxes.end(), window) != m_closingBoxes.end()) continue;
        if (m_lookAtBoxes && !m_lookAtBoxes(window)) continue;
        m_closedMessageBoxes.push_back(MessageBoxText(window));
        m_closingBoxes.push_back(window);
        HWND button = nullptr;
        int buttonId = 0;
        for (int id : {IDCANCEL, IDNO, IDOK, IDABORT, IDIGNORE}) {
            if ((button = ::GetDlgItem(window, id)) != nullptr) {
                buttonId = id;
                break;
            }
        }
        if (button) {
            ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        } else {
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        }
    }
}

std::string WizardDriver::Report() const {
    std::string report;
    for (const std::string& failure : m_failures) report += "FAILED: " + failure + "\n";
    report += "steps done: " + std::to_string(m_next) + " of " + std::to_string(m_steps.size()) +
              "; sheets seen: " + std::to_string(m_sheetsSeen) + "\n";
    for (size_t i = m_next; i < m_steps.size(); ++i) {
        report += "  not done: step " + std::to_string(i + 1) + " (" + m_steps[i].description + ")\n";
    }
    for (const std::wstring& box : m_closedMessageBoxes) report += "message box closed: " + Narrow(box) + "\n";
    return report;
}

}  // namespace host
