#include "addin/ButtonHandlers.h"

#include "addin/LegacyMenuNames.h"
#include "addin/MyAddin.h"
#include "addin/ShellOpen.h"
#include "sheet/AutomationError.h"

namespace {

// Whether this add-in's submenu is the first entry of the family popup on Excel's menu bar.
bool OwnSubmenuStandsFirst(const sheet::Application& app) {
    try {
        sheet::CommandBarPopup family =
            legacy_menu::MenuBar(app.CommandBars()).Controls().Item(legacy_menu::kFamilyPopup).As<sheet::CommandBarPopup>();
        return family.Controls().Item(1L).Caption() == sheet::WidenAnsi(legacy_menu::kSubmenu);
    } catch (const sheet::CAutomationError&) {
        return false;  // no family popup or an empty one: not ours to act on
    }
}

}  // namespace

void CButtonClearDups::OnClick(CMyAddin& addin) { addin.StartRemoveDuplicates(); }

void CButtonRemChars::OnClick(CMyAddin& addin) { addin.StartRemoveCharacters(); }

void CButtonChangeCase::OnClick(CMyAddin& addin) { addin.StartChangeCase(); }

void CButtonMergeCellText::OnClick(CMyAddin& addin) { addin.StartMergeCellText(); }

void CButtonAbout::OnClick(CMyAddin& addin) {
    if (OwnSubmenuStandsFirst(addin.m_app)) OpenHomePage();
}

void CButtonHelp::OnClick(CMyAddin&) { OpenHelpFile(); }
