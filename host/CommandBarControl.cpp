#include "host/CommandBarControl.h"

#include "host/CommandBarControls.h"
#include "host/OfficeConstants.h"

#include <stdexcept>

namespace host {

CommandBarControl::CommandBarControl(long type, std::wstring caption, bool temporary)
    : m_type(type), m_caption(std::move(caption)), m_temporary(temporary)
{
    if (type == mso::ControlPopup) m_controls = std::make_shared<CommandBarControls>();
}

CommandBarControls& CommandBarControl::Controls() const
{
    if (!m_controls) throw std::logic_error("a button has no controls");
    return *m_controls;
}

void CommandBarControl::MarkDeleted()
{
    m_deleted = true;
    if (m_controls) m_controls->MarkDeleted();
}

}  // namespace host
