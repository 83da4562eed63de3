// Undo Last Run on the add-in object: the command, and the button that shows whether there is a run to undo.
#include "addin/legacymenu/CommandBarMenu.h"
#include "addin/MyAddin.h"
#include "framework/Barrier.h"
#include "tools/undo/UndoCommand.h"

namespace {

// IRibbonUI.InvalidateControl.
constexpr DISPID kInvalidateControl = 2;

const commands::Command* UndoCommand() {
    for (const commands::Command& command : commands::Table())
        if (command.start.undoesLastRun) return &command;
    return nullptr;
}

}  // namespace

bool CMyAddin::Enabled(const commands::Command& command) const {
    return !command.start.undoesLastRun || m_lastRun.Undoable();
}

void CMyAddin::RibbonLoaded(IDispatch* ribbon) { m_ribbonUI = framework::ComPtr<IDispatch>(ribbon); }

void CMyAddin::RefreshUndoButton() noexcept {
    const commands::Command* undo = UndoCommand();
    if (!undo) return;
    if (m_ribbonUI) {
        BSTR id = SysAllocString(undo->ribbon.id);
        VARIANT arg;
        VariantInit(&arg);
        arg.vt = VT_BSTR;
        arg.bstrVal = id;
        DISPPARAMS params{&arg, nullptr, 1, 0};
        // The ribbon asks again when it next shows the button; a refusal leaves it as it was.
        m_ribbonUI->Invoke(kInvalidateControl, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                           nullptr, nullptr);
        SysFreeString(id);
    }
    if (m_bLegacyMenu && IsConnected()) {
        try {
            EnableLegacyCommand(m_app, *undo, m_lastRun.Undoable());
        } catch (...) {
            // A menu Excel will not change keeps its state; the command itself still checks for a record.
        }
    }
}
