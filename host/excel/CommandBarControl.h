// One control of a command bar: a button, or a popup with controls of its own. A control taken
// off its bar (or whose bar or popup went) is marked deleted, so objects still holding it can
// fail as Office's do.
#pragma once

#include "host/excel/ButtonEvents.h"
#include "host/excel/FaceImage.h"

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
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { m_visible = value; }
    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }
    const std::wstring& TooltipText() const { return m_tooltipText; }
    void SetTooltipText(std::wstring text) { m_tooltipText = std::move(text); }
    // An mso::Button... style; new buttons have mso::ButtonAutomatic.
    long Style() const { return m_style; }
    void SetStyle(long style) { m_style = style; }
    const ButtonFace& Face() const { return m_face; }
    void SetFace(ButtonFace face) { m_face = std::move(face); }
    void SetPicture(FaceImage picture) { m_face.picture = std::move(picture); }
    void SetMask(FaceImage mask) { m_face.mask = std::move(mask); }

    // The sinks of a button's Click event.
    ButtonEvents& Events() { return m_events; }
    const ButtonEvents& Events() const { return m_events; }

    // What Excel keeps of a control that is not temporary when it ends: everything but the sinks;
    // null for a temporary control.
    std::shared_ptr<CommandBarControl> PersistentCopy() const;
    // Excel ends: every sink goes, here and inside a popup.
    void DropSinks();

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
    bool m_enabled = true;
    bool m_visible = true;
    std::wstring m_tag;
    std::wstring m_tooltipText;
    long m_style = 0;
    ButtonFace m_face;
    ButtonEvents m_events;
    std::shared_ptr<CommandBarControls> m_controls;
};

}  // namespace host
