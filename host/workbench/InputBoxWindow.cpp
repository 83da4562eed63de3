#include "host/workbench/InputBoxWindow.h"

#include <cstring>
#include <vector>

namespace workbench {

namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;
// Long enough for Wine to draw the box and hand it to the X server.
constexpr DWORD kShownMilliseconds = 400;

// An in-memory dialog template, item by item, each part on the alignment the format asks for.
class DialogTemplate {
public:
    DialogTemplate(const std::wstring& title, short width, short height) {
        Align(4);
        Add(DWORD{DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE});
        Add(DWORD{0});
        m_countAt = m_bytes.size();
        Add(WORD{0});
        for (short value : {short{0}, short{0}, width, height}) Add(static_cast<WORD>(value));
        Add(WORD{0});  // no menu
        Add(WORD{0});  // the dialog class
        AddText(title);
        Add(WORD{8});
        AddText(L"MS Sans Serif");
    }

    void AddItem(const wchar_t* windowClass, const std::wstring& text, int id, DWORD style, short x, short y,
                 short width, short height) {
        Align(4);
        Add(DWORD{style | WS_CHILD | WS_VISIBLE});
        Add(DWORD{0});
        for (short value : {x, y, width, height}) Add(static_cast<WORD>(value));
        Add(static_cast<WORD>(id));
        AddText(windowClass);
        AddText(text);
        Add(WORD{0});  // no creation data
        WORD count = 0;
        std::memcpy(&count, &m_bytes[m_countAt], sizeof(count));
        ++count;
        std::memcpy(&m_bytes[m_countAt], &count, sizeof(count));
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data()); }

private:
    template <typename T>
    void Add(T value) {
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
        m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof(T));
    }
    void AddText(const std::wstring& text) {
        for (wchar_t c : text) Add(static_cast<WORD>(c));
        Add(WORD{0});
    }
    void Align(size_t boundary) {
        while (m_bytes.size() % boundary) m_bytes.push_back(0);
    }

    std::vector<BYTE> m_bytes;
    size_t m_countAt = 0;
};

INT_PTR CALLBACK BoxProc(HWND, UINT message, WPARAM, LPARAM) {
    // The workbench closes the box itself; OK, Cancel and Close do nothing here.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

void ShowInputBox(const std::wstring& title, const std::wstring& prompt, const std::wstring& typed,
                  const std::function<void(HWND box)>& whileShown) {
    DialogTemplate box(title, 220, 92);
    box.AddItem(L"STATIC", prompt, kPromptId, SS_LEFT, 7, 7, 150, 50);
    box.AddItem(L"BUTTON", L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 163, 7, 50, 14);
    box.AddItem(L"BUTTON", L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 163, 24, 50, 14);
    box.AddItem(L"EDIT", typed, kEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 68, 206, 14);
    HWND window = CreateDialogIndirectW(GetModuleHandleW(nullptr), box.Get(), nullptr, BoxProc);
    if (!window) return;
    SetForegroundWindow(window);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    SendDlgItemMessageW(window, kEditId, EM_SETSEL, 0, -1);
    SetFocus(GetDlgItem(window, kEditId));
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < kShownMilliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageW(window, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    whileShown(window);
    DestroyWindow(window);
}

}  // namespace workbench
