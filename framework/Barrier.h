// Exceptions stop here: at a COM entry point they become an HRESULT and the caller's error information, in a
// window or dialog procedure a message box with the stop icon. GCC's unwinding must never run through user32
// or COM frames.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <type_traits>

namespace framework {

// What the user reads about a failure: CException::Description(), what() of other standard exceptions,
// a fixed text for anything else.
std::wstring DescribeException(const std::exception_ptr& error);

// Shows the failure in a message box (stop icon, OK) owned by owner's top-level window.
void ReportException(HWND owner, const std::exception_ptr& error) noexcept;

// Hands the failure to a COM caller: the thread's error information (IErrorInfo) gets its description, and
// the result is its HRESULT (CException::Code(), E_OUTOFMEMORY for a lack of memory, else E_FAIL).
HRESULT ReturnException(const std::exception_ptr& error) noexcept;

// For COM entry points: f returns an HRESULT or nothing (S_OK).
template <class F>
HRESULT HResultBarrier(F&& f) noexcept {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
            f();
            return S_OK;
        } else {
            return f();
        }
    } catch (...) {
        return ReturnException(std::current_exception());
    }
}

// For window and dialog procedures, hooks and callbacks: false when f failed and the failure was shown.
template <class F>
bool MessageBarrier(HWND owner, F&& f) noexcept {
    try {
        f();
        return true;
    } catch (...) {
        ReportException(owner, std::current_exception());
        return false;
    }
}

}  // namespace framework
