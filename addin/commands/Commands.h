// The add-in's commands, one row each: the ribbon markup, the callback dispatch, the legacy menu and its
// button handlers are all made from this table, so a new command is a new row and its tool's own folder.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string_view>
#include <vector>

#include "framework/PropertyPage.h"
#include "tools/run/ToolRun.h"

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

// How a command starts: a tool's run and its wizard over the selection (the range page first, every page
// reaching the tool through the run), or an action without a wizard. A tool's wizard and an action that runs
// alone (one that changes cells) take their turn in the one-command-at-a-time of the runner.
struct Start {
    std::unique_ptr<tools::ToolRun> (*run)(const tools::RunContext& context) = nullptr;
    WizardPages (*pages)(tools::ToolRun& run) = nullptr;
    void (*action)(const tools::RunContext& context) = nullptr;
    bool alone = false;
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
    // The ribbon asks it whether the button is enabled, and the answer says; none: always enabled.
    Callback getEnabled = {};
    bool (*enabled)(const tools::RunContext& context) = nullptr;
    RibbonTips tips = {};
};

// Every command, in the order the ribbon and the menus show them within each place.
const std::vector<Command>& Table();

// The callbacks of the markup's root (customUI) rather than of a command's button: the pictures of the buttons,
// and onLoad, where Office hands over the ribbon's IRibbonUI, by which the add-in asks for a button's state
// again.
inline constexpr Callback kLoadImages = {"LoadImages", 2};
inline constexpr Callback kRibbonLoaded = {"RibbonLoaded", 8};

// The DISPID of a callback name of the table or the root, compared case-sensitively; false for an unknown one.
bool FindCallback(std::string_view name, DISPID& id);
// The command whose onAction has that DISPID; null for any other.
const Command* CommandOfAction(DISPID id);
// The command whose getEnabled has that DISPID; null for any other.
const Command* CommandOfEnabling(DISPID id);

}  // namespace commands
