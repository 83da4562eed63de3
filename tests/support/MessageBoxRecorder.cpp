#include "tests/support/MessageBoxRecorder.h"

namespace cwtest {

MessageBoxRecorder::MessageBoxRecorder(int answer)
    : m_answer(answer), m_route([this](const framework::MessageRequest& request) {
          m_messages.push_back(request);
          return m_answer;
      })
{
}

}  // namespace cwtest
