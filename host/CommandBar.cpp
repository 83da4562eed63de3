#include "host/CommandBar.h"

namespace host {

CommandBar::CommandBar(std::wstring name, long position, bool menuBar, bool temporary, bool builtIn)
    : m_name(std::move(name)), m_position(position), m_menuBar(menuBar), m_temporary(temporary), m_builtIn(builtIn)
{
}

void CommandBar::MarkDeleted()
{
    m_deleted = true;
    m_controls->MarkDeleted();
}

}  // namespace host
