// Every message box of the module goes through ShowMessage, so that a test can answer it instead of a user.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace framework {

struct MessageRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT flags;
};

// Answers a message box request with the button the user would have pressed (IDOK, IDYES, ...).
using MessageHandler = std::function<int(const MessageRequest&)>;

int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);
// The module's name as the caption.
int ShowMessage(HWND owner, const std::wstring& text, UINT flags);

// Routes ShowMessage to a handler for the object's lifetime; the previous route comes back after it.
class ScopedMessageHandler {
public:
    explicit ScopedMessageHandler(MessageHandler handler);
    ~ScopedMessageHandler();

    ScopedMessageHandler(const ScopedMessageHandler&) = delete;
    ScopedMessageHandler& operator=(const ScopedMessageHandler&) = delete;

private:
    MessageHandler m_previous;
};

}  // namespace framework
