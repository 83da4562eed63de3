#include <string>
#include <utility>
#include <vector>

#include "addin/legacymenu/CommandBarMenu.h"

#include "addin/legacymenu/ClipboardBackup.h"
#include "addin/legacymenu/LegacyMenuNames.h"
#include "framework/Module.h"
#include "framework/Trace.h"

namespace {

using commands::Command;
using commands::MenuPlace;

constexpr long kControlButton = 1;
constexpr long kControlPopup = 10;
constexpr long kBarFloating = 4;

// The commands of the table that stand at that place of the menu, in the table's order.
std::vector<const Command*> CommandsAt(MenuPlace place) {
    std::vector<const Command*> found;
    for (const Command& command : commands::Table()) {
        if (command.menu.place == place) found.push_back(&command);
    }
    return found;
}

sheet::Variant Missing() { return sheet::Variant::Missing(); }

sheet::CommandBarControl AddControl(const sheet::CommandBarControls& controls, long type,
                                    sheet::Variant before = sheet::Variant::Missing(),
                                    sheet::Variant temporary = sheet::Variant::Missing()) {
    return controls.Add(sheet::Variant::Long(type), Missing(), Missing(), std::move(before), std::move(temporary));
}

// A control that is not there connects nothing; a control without button events stays unconnected.
void ConnectHandler(const CButtonHandlerSet& handlers, const Command& command, const sheet::DispatchWrapper& control) {
    if (CEventHandler* handler = handlers.For(command); handler && control) handler->Connect(control.get());
}

// A popup or bar this start adds, with the handlers that wait for its buttons. Complete, it connects them;
// left incomplete by Excel's refusal, it takes itself away again, so that the next start finds all of it
// or none of it and builds it whole rather than finding a part and adding nothing.
class NewPart {
public:
    NewPart(const CButtonHandlerSet& handlers, sheet::CommandBarControl popup)
        : m_handlers(handlers), m_popup(std::move(popup)) {}
    NewPart(const CButtonHandlerSet& handlers, sheet::CommandBar bar) : m_handlers(handlers), m_bar(std::move(bar)) {}
    NewPart(const NewPart&) = delete;
    NewPart& operator=(const NewPart&) = delete;
    ~NewPart() {
        if (m_complete) return;
        try {
            if (m_popup) m_popup.Delete(false);
            if (m_bar) m_bar.Delete();
        } catch (...) {
            // What Excel will not take away stays as far as it got.
            framework::TraceSwallowed(L"taking back a half-built legacy menu");
        }
    }

    void Connect(const Command& command, sheet::CommandBarControl button) {
        m_buttons.push_back({&command, std::move(button)});
    }
    void Complete() {
        m_complete = true;
        for (const auto& [command, button] : m_buttons) ConnectHandler(m_handlers, *command, button);
    }

private:
    const CButtonHandlerSet& m_handlers;
    sheet::CommandBarControl m_popup;
    sheet::CommandBar m_bar;
    std::vector<std::pair<const Command*, sheet::CommandBarControl>> m_buttons;
    bool m_complete = false;
};

class MenuBuilder {
public:
    MenuBuilder(const sheet::Application& app, const CButtonHandlerSet& handlers, FaceRoad faceRoad)
        : m_app(app), m_handlers(handlers), m_faceRoad(faceRoad), m_folder(framework::ModuleFolder()) {}

    // Any automation error ends the build where it happened; the user's clipboard comes back regardless.
    void Build() {
        sheet::CommandBars bars = m_app.CommandBars();
        BuildMenu(legacy_menu::MenuBar(bars).Controls());
        BuildToolbar(bars);
        m_clipboard.Restore();
    }

private:
    void BuildMenu(const sheet::CommandBarControls& menu) {
        auto family = sheet::CommandBarPopup(legacy_menu::FindControl(menu, legacy_menu::kFamilyPopup).Object());
        if (!family) {
            AddFamilyPopup(menu);
            return;
        }
        sheet::CommandBarControls entries = family.Controls();
        auto submenu = sheet::CommandBarPopup(legacy_menu::FindControl(entries, legacy_menu::kSubmenu).Object());
        if (submenu) {
            ReconnectMenu(submenu, entries);
            return;
        }
        // Another family add-in made the popup: this submenu goes first, beside the website entry it made.
        SaveClipboard();
        sheet::Variant first = entries.Count() >= 1 ? sheet::Variant::Long(1) : Missing();
        submenu = sheet::CommandBarPopup(AddControl(entries, kControlPopup, std::move(first)).Object());
        NewPart part(m_handlers, submenu);
        submenu.SetCaption(legacy_menu::kSubmenu);
        submenu.SetVisible(true);
        FillSubmenu(submenu, part);
        part.Complete();
        for (const Command* entry : CommandsAt(MenuPlace::FamilyEntry))
            Connect(*entry, legacy_menu::FindControl(entries, entry->menu.caption));
    }

    void AddFamilyPopup(const sheet::CommandBarControls& menu) {
        SaveClipboard();
        auto family =
            sheet::CommandBarPopup(AddControl(menu, kControlPopup, Missing(), sheet::Variant::Bool(false)).Object());
        NewPart part(m_handlers, family);
        family.SetCaption(legacy_menu::kFamilyPopup);
        family.SetEnabled(true);
        family.SetVisible(true);
        sheet::CommandBarControls entries = family.Controls();
        auto submenu = sheet::CommandBarPopup(AddControl(entries, kControlPopup).Object());
        submenu.SetCaption(legacy_menu::kSubmenu);
        FillSubmenu(submenu, part);
        for (const Command* entry : CommandsAt(MenuPlace::FamilyEntry)) {
            sheet::CommandBarControl button = AddControl(entries, kControlButton);
            button.SetCaption(entry->menu.caption);
            button.SetBeginGroup(true);
            part.Connect(*entry, button);
        }
        part.Complete();
    }

    void FillSubmenu(const sheet::CommandBarPopup& submenu, NewPart& part) {
        sheet::CommandBarControls items = submenu.Controls();
        for (const Command* tool : CommandsAt(MenuPlace::Tool)) {
            auto button = sheet::CommandBarButton(AddControl(items, kControlButton).Object());
            button.SetStyle(sheet::ButtonStyle::IconAndCaption);
            button.SetCaption(tool->menu.caption);
            SetFace(*tool, button);
            part.Connect(*tool, button);
        }
        // The entries after the tools stand apart from them.
        for (const Command* entry : CommandsAt(MenuPlace::SubmenuEntry)) {
            auto button = sheet::CommandBarButton(AddControl(items, kControlButton).Object());
            button.SetStyle(sheet::ButtonStyle::Caption);
            button.SetCaption(entry->menu.caption);
            button.SetBeginGroup(true);
            part.Connect(*entry, button);
        }
    }

    // Left from an earlier run: nothing is added. A button the user took away is passed over, so the
    // others (and the toolbar's) still work.
    void ReconnectMenu(const sheet::CommandBarPopup& submenu, const sheet::CommandBarControls& familyEntries) {
        sheet::CommandBarControls items = submenu.Controls();
        for (MenuPlace place : {MenuPlace::Tool, MenuPlace::SubmenuEntry}) {
            for (const Command* command : CommandsAt(place))
                Connect(*command, legacy_menu::FindControl(items, command->menu.caption));
        }
        for (const Command* entry : CommandsAt(MenuPlace::FamilyEntry))
            Connect(*entry, legacy_menu::FindControl(familyEntries, entry->menu.caption));
    }

    void BuildToolbar(const sheet::CommandBars& bars) {
        if (sheet::CommandBar toolbar = legacy_menu::FindBar(bars, legacy_menu::kToolbar)) {
            ReconnectToolbar(toolbar.Controls());
            return;
        }
        SaveClipboard();
        sheet::CommandBar toolbar =
            bars.Add(sheet::Variant::String(legacy_menu::kToolbar), sheet::Variant::Long(kBarFloating), Missing(),
                     sheet::Variant::Bool(false));
        NewPart part(m_handlers, toolbar);
        toolbar.SetVisible(true);
        sheet::CommandBarControls buttons = toolbar.Controls();
        for (const Command* tool : CommandsAt(MenuPlace::Tool)) {
            auto button = sheet::CommandBarButton(AddControl(buttons, kControlButton).Object());
            button.SetStyle(sheet::ButtonStyle::Icon);
            button.SetTag(tool->menu.caption);
            button.SetTooltipText(tool->menu.caption);
            SetFace(*tool, button);
            part.Connect(*tool, button);
        }
        part.Complete();
    }

    void ReconnectToolbar(const sheet::CommandBarControls& buttons) {
        const long count = buttons.Count();
        for (long i = 1; i <= count; ++i) {
            sheet::CommandBarControl button = buttons.Item(i);
            const std::wstring tag = button.Tag();
            for (const Command* tool : CommandsAt(MenuPlace::Tool)) {
                if (tag == tool->menu.caption) Connect(*tool, button);
            }
        }
    }

    // Excel 2000's faces go through the clipboard: the user's contents are saved once, before the first.
    void SaveClipboard() {
        if (m_faceRoad == FaceRoad::Clipboard && !m_clipboard.IsSaved()) m_clipboard.Save();
    }

    void SetFace(const Command& tool, const sheet::CommandBarButton& button) const {
        if (tool.menu.faceFile)
            SetButtonFace(m_folder + tool.menu.faceFile, m_faceRoad, button);
        else if (tool.menu.faceId)
            button.SetFaceId(tool.menu.faceId);
    }

    void Connect(const Command& command, const sheet::DispatchWrapper& control) const {
        ConnectHandler(m_handlers, command, control);
    }

    const sheet::Application& m_app;
    const CButtonHandlerSet& m_handlers;
    const FaceRoad m_faceRoad;
    const std::wstring m_folder;
    CClipboardBackup m_clipboard;
};

}  // namespace

void BuildLegacyMenu(const sheet::Application& app, const CButtonHandlerSet& handlers, FaceRoad faceRoad) {
    MenuBuilder(app, handlers, faceRoad).Build();
}

void EnableLegacyCommand(const sheet::Application& app, const Command& command, bool enabled) {
    sheet::CommandBars bars = app.CommandBars();
    auto family = sheet::CommandBarPopup(
        legacy_menu::FindControl(legacy_menu::MenuBar(bars).Controls(), legacy_menu::kFamilyPopup).Object());
    if (family) {
        auto submenu =
            sheet::CommandBarPopup(legacy_menu::FindControl(family.Controls(), legacy_menu::kSubmenu).Object());
        if (submenu) {
            if (sheet::CommandBarControl entry = legacy_menu::FindControl(submenu.Controls(), command.menu.caption))
                entry.SetEnabled(enabled);
        }
    }
    if (sheet::CommandBar toolbar = legacy_menu::FindBar(bars, legacy_menu::kToolbar)) {
        sheet::CommandBarControls buttons = toolbar.Controls();
        const long count = buttons.Count();
        for (long i = 1; i <= count; ++i) {
            sheet::CommandBarControl button = buttons.Item(i);
            if (button.Tag() == command.menu.caption) button.SetEnabled(enabled);
        }
    }
}
