// One command bar: a menu bar or a toolbar with its controls. A deleted bar is marked so, with
// everything on it, so objects still holding it can fail as Office's do.
#pragma once

#include "host/excel/CommandBarControls.h"

#include <memory>
#include <string>

namespace host {

class CommandBar {
public:
    // `position` is an mso::Bar... value.
    CommandBar(std::wstring name, long position, bool menuBar, bool temporary, bool builtIn);

    const std::wstring& Name() const { return m_name; }
    long Position() const { return m_position; }
    bool IsMenuBar() const { return m_menuBar; }
    bool Temporary() const { return m_temporary; }
    // Excel's own bars cannot be deleted.
    bool BuiltIn() const { return m_builtIn; }

    // New bars are hidden until made visible; the built-in menu bar shows.
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { m_visible = value; }

    CommandBarControls& Controls() const { return *m_controls; }
    const std::shared_ptr<CommandBarControls>& ControlsPtr() const { return m_controls; }

    bool Deleted() const { return m_deleted; }
    void MarkDeleted();

    // What Excel keeps of the bar when it ends; null for a temporary bar.
    std::shared_ptr<CommandBar> PersistentCopy() const;

private:
    std::wstring m_name;
    long m_position;
    bool m_menuBar;
    bool m_temporary;
    bool m_builtIn;
    bool m_deleted = false;
    bool m_visible;
    std::shared_ptr<CommandBarControls> m_controls = std::make_shared<CommandBarControls>();
};

}  // namespace host
