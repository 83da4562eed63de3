#include "framework/Wnd.h"

#include "framework/Barrier.h"
#include "framework/WindowProperty.h"

#include <vector>

namespace framework {

namespace {

const wchar_t* ObjectProperty() {
    static const std::wstring name = ModuleWindowPropertyName(L"Object");
    return name.c_str();
}

const wchar_t* OriginalProperty() {
    static const std::wstring name = ModuleWindowPropertyName(L"OriginalProc");
    return name.c_str();
}

}  // namespace

CWnd::~CWnd() { Detach(); }

void CWnd::Attach(HWND window) noexcept {
    Detach();
    m_hWnd = window;
}

bool CWnd::SubclassWindow(HWND window) noexcept {
    if (!window || !::IsWindow(window) || ::GetPropW(window, ObjectProperty())) return false;
    Detach();
    // A window subclassed before by a wrapper that is gone keeps its first original procedure.
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetPropW(window, OriginalProperty()));
    if (!original) {
        original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
        if (!::SetPropW(window, OriginalProperty(), reinterpret_cast<HANDLE>(original))) return false;
    }
    if (!::SetPropW(window, ObjectProperty(), this)) return false;
    m_hWnd = window;
    m_originalProc = original;
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) != &SubclassProc) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
    }
    return true;
}

HWND CWnd::Detach() noexcept {
    const HWND window = m_hWnd;
    if (m_originalProc) Unsubclass();
    m_hWnd = nullptr;
    return window;
}

void CWnd::Unsubclass() noexcept {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        ::RemovePropW(m_hWnd, ObjectProperty());
        // Someone who subclassed after us still calls our procedure; it then forwards to the original.
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &SubclassProc) {
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
            ::RemovePropW(m_hWnd, OriginalProperty());
        }
    }
    m_originalProc = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND window) noexcept {
    return window ? static_cast<CWnd*>(::GetPropW(window, ObjectProperty())) : nullptr;
}

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void CWnd::SetWindowText(const std::wstring& text) const noexcept { ::SetWindowTextW(m_hWnd, text.c_str()); }

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) { return Default(); }

LRESULT CWnd::Default() { return CallOriginal(m_current.message, m_current.wParam, m_current.lParam); }

LRESULT CWnd::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_originalProc ? ::CallWindowProcW(m_originalProc, m_hWnd, message, wParam, lParam)
                          : ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandlePermanent(window);
    if (!object) {
        const auto original = reinterpret_cast<WNDPROC>(::GetPropW(window, OriginalProperty()));
        if (message == WM_NCDESTROY) ::RemovePropW(window, OriginalProperty());
        return original ? ::CallWindowProcW(original, window, message, wParam, lParam)
                        : ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The window is going: unbind first, then let its own procedure finish.
        const WNDPROC original = object->m_originalProc;
        object->Unsubclass();
        object->m_hWnd = nullptr;
        return ::CallWindowProcW(original, window, message, wParam, lParam);
    }
    const Message previous = object->m_current;
    object->m_current = Message{message, wParam, lParam};
    LRESULT result = 0;
    MessageBarrier(window, [&] { result = object->WindowProc(message, wParam, lParam); });
    object->m_current = previous;
    return result;
}

}  // namespace framework
