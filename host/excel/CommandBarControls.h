// The controls of a command bar or of a popup, in order.
//
//   auto popup = bar.Controls().Add(mso::ControlPopup, L"Zenda Utilities");
//   popup->Controls().Add(mso::ControlButton, L"Help");
//   bar.Controls().Find(L"zenda utilities");   // case and "&" markers ignored
#pragma once

#include "host/excel/CommandBarControl.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

class CommandBarControls {
public:
    size_t Count() const { return m_controls.size(); }
    // From 1; null past either end.
    std::shared_ptr<CommandBarControl> Item(size_t index) const;
    // The first control whose caption matches, without case and without the "&" accelerator
    // markers ("&&" is a literal "&"); null when none does.
    std::shared_ptr<CommandBarControl> Find(const std::wstring& caption) const;
    // Inserts before the control at `before` (from 1), or at the end for 0 or Count() + 1.
    // Throws std::invalid_argument for a type other than button or popup or a position further on.
    std::shared_ptr<CommandBarControl> Add(long type, std::wstring caption = {}, size_t before = 0,
                                           bool temporary = false);
    // Takes the control off and marks it deleted; false when it is not here.
    bool Remove(const CommandBarControl& control);
    // "&File", "&Edit", ... in order.
    std::vector<std::wstring> Captions() const;

    // The controls that are not temporary, copied as Excel keeps them from one run to the next.
    std::shared_ptr<CommandBarControls> PersistentCopy() const;
    void DropSinks();
    // The list that holds `control`, here or in a popup further in; null when none does.
    std::shared_ptr<CommandBarControls> ListHolding(const CommandBarControl& control,
                                                    const std::shared_ptr<CommandBarControls>& self) const;

    bool Deleted() const { return m_deleted; }
    // Marks this list and every control in it, when its bar or popup goes.
    void MarkDeleted();

private:
    std::vector<std::shared_ptr<CommandBarControl>> m_controls;
    bool m_deleted = false;
};

// A caption as Office compares it: the "&" markers taken out.
std::wstring WithoutAccelerators(const std::wstring& caption);

}  // namespace host
