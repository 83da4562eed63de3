#include "host/excel/CommandBar.h"

namespace host {

CommandBar::CommandBar(std::wstring name, long position, bool menuBar, bool temporary, bool builtIn)
    : m_name(std::move(name)),
      m_position(position),
      m_menuBar(menuBar),
      m_temporary(temporary),
      m_builtIn(builtIn),
      m_visible(builtIn) {}

void CommandBar::MarkDeleted() {
    m_deleted = true;
    m_controls->MarkDeleted();
}

std::shared_ptr<CommandBar> CommandBar::PersistentCopy() const {
    if (m_temporary) return nullptr;
    auto copy = std::make_shared<CommandBar>(m_name, m_position, m_menuBar, false, m_builtIn);
    copy->m_visible = m_visible;
    copy->m_controls = m_controls->PersistentCopy();
    return copy;
}

}  // namespace host
