// The names of the legacy menu's bars and controls, and how the menu bar that holds it is found.
#pragma once

#include "sheet/Application.h"
#include "sheet/CommandBars.h"

namespace legacy_menu {

inline constexpr const wchar_t* kToolbar = L"Zenda Cellwright";
inline constexpr const wchar_t* kWorksheetMenuBar = L"Worksheet Menu Bar";
// The popup the family's add-ins share on the menu bar, with their submenus and the website entry.
inline constexpr const wchar_t* kFamilyPopup = L"Zenda Utilities";
inline constexpr const wchar_t* kSubmenu = L"Cellwright";
// The family popup of this add-in alone holds two entries, its submenu and the website's.
inline constexpr long kEntriesOfOneAddin = 2;

// The menu bar Excel shows; "Worksheet Menu Bar" when ActiveMenuBar fails or gives none.
sheet::CommandBar MenuBar(const sheet::CommandBars& bars);

// The control with that caption, or an empty wrapper when there is none. A lookup Excel refuses is
// checked caption by caption, so that a refused call never passes for a missing control (and a second
// one is added); a refusal there is thrown.
sheet::CommandBarControl FindControl(const sheet::CommandBarControls& controls, std::wstring_view caption);
// The bar of that name, or an empty wrapper when there is none or Excel refuses the lookup: a second bar
// of the name is one Excel refuses to add.
sheet::CommandBar FindBar(const sheet::CommandBars& bars, std::wstring_view name);

// Whether this add-in's submenu stands first in the family popup: of all the family's add-ins, that one
// carries out a click on the popup's shared entries. False when there is no popup or Excel refuses to say.
bool StandsFirstInFamily(const sheet::Application& app);

}  // namespace legacy_menu
