// The Click handlers of the command-bar buttons, one class per button kind, each a sink that runs one
// action of the add-in.
#pragma once

#include "addin/EventHandler.h"

namespace button_clicks {
void RemoveDuplicates(CMyAddin& addin);
void RemoveCharacters(CMyAddin& addin);
void ChangeCase(CMyAddin& addin);
void MergeCellText(CMyAddin& addin);
// The family's shared website entry: every family add-in connected to it hears the click, and only the
// one whose submenu stands first in the family popup opens the page, so it opens once.
void Website(CMyAddin& addin);
void Help(CMyAddin& addin);
}  // namespace button_clicks

template <void (*Action)(CMyAddin&)>
class CButtonHandler final : public CEventHandler {
public:
    CButtonHandler() noexcept = default;

private:
    ~CButtonHandler() override = default;
    void OnClick(CMyAddin& addin) override { Action(addin); }
};

using CButtonClearDups = CButtonHandler<&button_clicks::RemoveDuplicates>;
using CButtonRemChars = CButtonHandler<&button_clicks::RemoveCharacters>;
using CButtonChangeCase = CButtonHandler<&button_clicks::ChangeCase>;
using CButtonMergeCellText = CButtonHandler<&button_clicks::MergeCellText>;
using CButtonAbout = CButtonHandler<&button_clicks::Website>;
using CButtonHelp = CButtonHandler<&button_clicks::Help>;
