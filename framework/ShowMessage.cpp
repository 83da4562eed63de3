#include "framework/ShowMessage.h"

#include "framework/Module.h"

#include <utility>

namespace framework {

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    if (const MessageHandler& handler = Handler()) return handler(MessageRequest{owner, text, caption, flags});
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

int ShowMessage(HWND owner, const std::wstring& text, UINT flags) { return ShowMessage(owner, text, AppName(), flags); }

ScopedMessageHandler::ScopedMessageHandler(MessageHandler handler)
    : m_previous(std::exchange(Handler(), std::move(handler))) {}

ScopedMessageHandler::~ScopedMessageHandler() { Handler() = std::move(m_previous); }

}  // namespace framework
