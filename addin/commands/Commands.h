// The add-in's commands, one row each: the ribbon markup, the callback dispatch, the legacy menu and its
// button handlers are all made from this table, so a new command is a new row.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string_view>
#include <vector>

#include "framework/PropertyPage.h"

class CCommandRun;

// The callback DISPIDs Excel's ribbon reaches the add-in by.
enum RibbonDispid : LONG {
    DISPID_REMDUPS = 1,
    DISPID_LOADIMAGES = 2,
    DISPID_REMCHARS = 3,
    DISPID_CHANGECASE = 4,
    DISPID_MERGECELL = 5,
    DISPID_UNDOLAST = 6,
    DISPID_UNDOENABLED = 7,
    DISPID_RIBBONLOADED = 8,
    DISPID_GOHOME = 34,
    DISPID_HELP = 35,
};

namespace commands {

// A ribbon callback: the name the markup gives it and the DISPID GetIDsOfNames answers for it.
struct Callback {
    const char* name = nullptr;  // null: no such callback
    DISPID id = DISPID_UNKNOWN;
};

// Where a command's ribbon button stands: in one of the family group's two menus, or in the add-in's group.
enum class RibbonPlace { HomepageMenu, HelpMenu, ToolGroup };

struct RibbonButton {
    const wchar_t* id;
    const wchar_t* label;
    RibbonPlace place;
    const wchar_t* imageMso = nullptr;  // one of Office's own images, or
    const wchar_t* image = nullptr;     // one the loadImage callback makes from the PNG resource below
    int imageResource = 0;
};

// Where a command stands in the legacy menu of Excel 2000 to 2003: a tool (the submenu with its face, and the
// toolbar), a caption-only entry of the submenu after the tools, or the family popup's shared entry, whose click
// only the add-in standing first in the popup carries out.
enum class MenuPlace { Tool, SubmenuEntry, FamilyEntry };

struct MenuButton {
    const wchar_t* caption;  // also a toolbar button's Tag and tooltip, by which a later start finds it
    MenuPlace place;
    const wchar_t* faceFile = nullptr;  // beside the DLL, with its mask ("remdup.bmp", "remdupmask.bmp"), or
    long faceId = 0;                    // one of Office's own faces
};

using WizardPages = std::vector<std::unique_ptr<framework::CPropertyPage>>;

// How a command starts: a tool's wizard over the selection (its pages, the range page first, working
// through the run), an action that needs neither the selection nor a run, or the undo of the last run.
struct Start {
    WizardPages (*wizard)(CCommandRun& run) = nullptr;
    void (*action)() = nullptr;
    bool undoesLastRun = false;
};

// What the ribbon tells about a command's button: the screentip is its title (none: the label), the supertip
// says in one sentence what it does, the keytip is the key that reaches it after Alt and the tab's keytip.
struct RibbonTips {
    const wchar_t* screentip = nullptr;
    const wchar_t* supertip = nullptr;
    const wchar_t* keytip = nullptr;
};

struct Command {
    Callback onAction;
    RibbonButton ribbon;
    MenuButton menu;
    Start start;
    // The ribbon asks it whether the button is enabled; none: always enabled.
    Callback getEnabled = {};
    RibbonTips tips = {};
};

// Every command, in the order the ribbon and the menus show them within each place.
const std::vector<Command>& Table();

// The callbacks of the markup's root (customUI) rather than of a command's button.
inline constexpr Callback kLoadImages = {"LoadImages", DISPID_LOADIMAGES};
// onLoad: Office hands over the ribbon's IRibbonUI, by which the add-in asks for a button's state again.
inline constexpr Callback kRibbonLoaded = {"RibbonLoaded", DISPID_RIBBONLOADED};

// The DISPID of a callback name of the table or the root, compared case-sensitively; false for an unknown one.
bool FindCallback(std::string_view name, DISPID& id);
// The command whose onAction has that DISPID; null for any other.
const Command* CommandOfAction(DISPID id);
// The command whose getEnabled has that DISPID; null for any other.
const Command* CommandOfEnabled(DISPID id);
// The tool with that number, the tools numbered in the table's order from 0; null for any other number.
const Command* ToolNumbered(long number);

}  // namespace commands
