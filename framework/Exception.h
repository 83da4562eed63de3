// The base of every error the add-in raises and shows to the user.
#pragma once

#include <exception>
#include <string>

namespace framework {

// Carries a description the user can read; the barrier at each window procedure and COM entry point
// shows it in a message box with the stop icon.
class CException : public std::exception {
public:
    explicit CException(std::wstring description) : m_description(std::move(description)) {}
    const std::wstring& Description() const noexcept { return m_description; }
    const char* what() const noexcept override { return "Cellwright error"; }

private:
    std::wstring m_description;
};

}  // namespace framework
