// A thin, non-owning wrapper over a window handle. A wrapper bound by subclassing also receives the
// window's own messages (WindowProc) and the notifications its parent reflects back (OnChildNotify).
#pragma once

#include <windows.h>

#include <string>

namespace framework {

class CWnd {
public:
    CWnd() noexcept = default;
    // Unbinds, so the window keeps working after the wrapper is gone.
    virtual ~CWnd();

    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const noexcept { return m_hWnd; }

    // Wraps a window without taking over its messages.
    void Attach(HWND window) noexcept;
    // Wraps a window and routes its messages through WindowProc; false if the window is null or another
    // wrapper of this module already subclassed it.
    bool SubclassWindow(HWND window) noexcept;
    // Ends either kind of binding and gives the window its own procedure back where possible.
    HWND Detach() noexcept;

    // The wrapper that subclassed window in this module, or null.
    static CWnd* FromHandlePermanent(HWND window) noexcept;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::PostMessageW(m_hWnd, message, wParam, lParam) != FALSE;
    }

    std::wstring GetWindowText() const;
    void SetWindowText(const std::wstring& text) const noexcept;
    void EnableWindow(bool enable) const noexcept { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    bool IsWindowEnabled() const noexcept { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    HWND SetFocus() const noexcept { return ::SetFocus(m_hWnd); }
    int GetDlgCtrlID() const noexcept { return ::GetDlgCtrlID(m_hWnd); }

    // A notification the parent reflects back: WM_COMMAND, WM_NOTIFY, WM_DRAWITEM or WM_MEASUREITEM with
    // the parent's parameters. True when handled; the parent then stops routing it.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Every message of a subclassed window; the default passes it to the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled to the window's own procedure.
    LRESULT Default();

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;
    void Unsubclass() noexcept;

    WNDPROC m_originalProc = nullptr;
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Message m_current{};
};

}  // namespace framework
