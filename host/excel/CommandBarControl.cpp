#include "host/excel/CommandBarControl.h"

#include "host/excel/CommandBarControls.h"
#include "host/excel/OfficeConstants.h"

#include <stdexcept>

namespace host {

CommandBarControl::CommandBarControl(long type, std::wstring caption, bool temporary)
    : m_type(type), m_caption(std::move(caption)), m_temporary(temporary) {
    if (type == mso::ControlPopup) m_controls = std::make_shared<CommandBarControls>();
}

CommandBarControls& CommandBarControl::Controls() const {
    if (!m_controls) throw std::logic_error("a button has no controls");
    return *m_controls;
}

std::shared_ptr<CommandBarControl> CommandBarControl::PersistentCopy() const {
    if (m_temporary) return nullptr;
    auto copy = std::make_shared<CommandBarControl>(m_type, m_caption, false);
    copy->m_beginGroup = m_beginGroup;
    copy->m_enabled = m_enabled;
    copy->m_visible = m_visible;
    copy->m_tag = m_tag;
    copy->m_tooltipText = m_tooltipText;
    copy->m_style = m_style;
    copy->m_face = m_face;
    if (m_controls) copy->m_controls = m_controls->PersistentCopy();
    return copy;
}

void CommandBarControl::DropSinks() {
    m_events.Clear();
    if (m_controls) m_controls->DropSinks();
}

void CommandBarControl::MarkDeleted() {
    m_deleted = true;
    if (m_controls) m_controls->MarkDeleted();
}

}  // namespace host
