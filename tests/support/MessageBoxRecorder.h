// Answers the framework's message boxes for a test and remembers them, so no test waits for a user.
#pragma once

#include "framework/ShowMessage.h"

#include <vector>

namespace cwtest {

class MessageBoxRecorder {
public:
    // answer is what every recorded box returns (the button the user "pressed").
    explicit MessageBoxRecorder(int answer = IDOK);

    const std::vector<framework::MessageRequest>& Messages() const noexcept { return m_messages; }
    size_t Count() const noexcept { return m_messages.size(); }
    void SetAnswer(int answer) noexcept { m_answer = answer; }
    void Clear() noexcept { m_messages.clear(); }

private:
    std::vector<framework::MessageRequest> m_messages;
    int m_answer;
    framework::ScopedMessageHandler m_route;  // last member: routes only while the rest exists
};

}  // namespace cwtest
