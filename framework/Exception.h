// The base of every error the add-in raises and shows to the user.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace framework {

// Carries a description the user can read and the HRESULT that stands for it; the barrier at each window
// procedure shows the description in a message box with the stop icon, the one at each COM entry point
// returns the code and hands the description to the caller as its error information.
class CException : public std::exception {
public:
    explicit CException(std::wstring description, HRESULT code = E_FAIL)
        : m_description(std::move(description)), m_code(FAILED(code) ? code : E_FAIL) {}
    const std::wstring& Description() const noexcept { return m_description; }
    HRESULT Code() const noexcept { return m_code; }
    const char* what() const noexcept override { return "Cellwright error"; }

private:
    std::wstring m_description;
    HRESULT m_code;
};

}  // namespace framework
