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

namespace button_clicks {

void RemoveDuplicates(CMyAddin& addin) { addin.StartRemoveDuplicates(); }

void RemoveCharacters(CMyAddin& addin) { addin.StartRemoveCharacters(); }

void ChangeCase(CMyAddin& addin) { addin.StartChangeCase(); }

void MergeCellText(CMyAddin& addin) { addin.StartMergeCellText(); }

void Website(CMyAddin& addin) {
    if (OwnSubmenuStandsFirst(addin.m_app)) OpenHomePage();
}

void Help(CMyAddin&) { OpenHelpFile(); }

}  // namespace button_clicks
