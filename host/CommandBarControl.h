// One control of a command bar: a button, or a popup with controls of its own. A control taken
// off its bar (or whose bar or popup went) is marked deleted, so objects still holding it can
// fail as Office's do.
#pragma once

#include <memory>
#include <string>

namespace host {

class CommandBarControls;

class CommandBarControl {
public:
    // `type` is mso::ControlButton or mso::ControlPopup.
    CommandBarControl(long type, std::wstring caption, bool temporary);

    long Type() const { return m_type; }
    bool IsPopup() const { return m_controls != nullptr; }
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring caption) { m_caption = std::move(caption); }
    bool BeginGroup() const { return m_beginGroup; }
    void SetBeginGroup(bool value) { m_beginGroup = value; }
    bool Temporary() const { return m_temporary; }

    // A popup's controls; throws std::logic_error for a button.
    CommandBarControls& Controls() const;
    // Null for a button.
    const std::shared_ptr<CommandBarControls>& ControlsPtr() const { return m_controls; }

    bool Deleted() const { return m_deleted; }
    // Marks this control and everything inside it.
    void MarkDeleted();

private:
    long m_type;
    std::wstring m_caption;
    bool m_beginGroup = false;
    bool m_temporary;
    bool m_deleted = false;
    std::shared_ptr<CommandBarControls> m_controls;
};

}  // namespace host
