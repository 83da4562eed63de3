// The legacy command-bar menu of Excel 2000 to 2003: the family popup with this add-in's submenu, the
// floating toolbar, and the Click handlers connected to their buttons. Menu and toolbar outlast Excel's
// run; a later start finds them and only connects the handlers again.
#include <string>
#include <utility>
#include <vector>

#include "addin/ButtonFace.h"
#include "addin/ButtonHandlerSet.h"
#include "addin/ClipboardBackup.h"
#include "addin/LegacyMenuNames.h"
#include "addin/MyAddin.h"
#include "addin/ShellOpen.h"
#include "framework/Module.h"
#include "sheet/AutomationError.h"

namespace {

using Kind = CButtonHandlerSet::Kind;

constexpr long kControlButton = 1;
constexpr long kControlPopup = 10;
constexpr long kBarFloating = 4;

// The four tools as menu and toolbar show them; a toolbar button's Tag is its tool's caption.
struct MenuTool {
    const wchar_t* caption;
    const wchar_t* faceFile;
    Kind handler;
};

constexpr MenuTool kTools[] = {
    {L"Remove Duplicates", L"remdup.bmp", Kind::RemoveDuplicates},
    {L"Remove Characters", L"remchars.bmp", Kind::RemoveCharacters},
    {L"Change Case", L"changecase.bmp", Kind::ChangeCase},
    {L"Merge Cell Text", L"mergecells.bmp", Kind::MergeCellText},
};

sheet::Variant Missing() { return sheet::Variant::Missing(); }

sheet::CommandBarControl AddControl(const sheet::CommandBarControls& controls, long type,
                                    sheet::Variant before = sheet::Variant::Missing(),
                                    sheet::Variant temporary = sheet::Variant::Missing()) {
    return controls.Add(sheet::Variant::Long(type), Missing(), Missing(), std::move(before), std::move(temporary));
}

// A control that is not there connects nothing; a control without button events stays unconnected.
void ConnectHandler(const CButtonHandlerSet& handlers, Kind kind, const sheet::DispatchWrapper& control) {
    if (CEventHandler* handler = handlers[kind]; handler && control) handler->Connect(control.get());
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
        }
    }

    void Connect(Kind kind, sheet::CommandBarControl button) { m_buttons.push_back({kind, std::move(button)}); }
    void Complete() {
        m_complete = true;
        for (const auto& [kind, button] : m_buttons) ConnectHandler(m_handlers, kind, button);
    }

private:
    const CButtonHandlerSet& m_handlers;
    sheet::CommandBarControl m_popup;
    sheet::CommandBar m_bar;
    std::vector<std::pair<Kind, sheet::CommandBarControl>> m_buttons;
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
        Connect(Kind::Website, legacy_menu::FindControl(entries, legacy_menu::kWebsite));
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
        sheet::CommandBarControl website = AddControl(entries, kControlButton);
        website.SetCaption(legacy_menu::kWebsite);
        website.SetBeginGroup(true);
        part.Connect(Kind::Website, website);
        part.Complete();
    }

    void FillSubmenu(const sheet::CommandBarPopup& submenu, NewPart& part) {
        sheet::CommandBarControls items = submenu.Controls();
        for (const MenuTool& tool : kTools) {
            auto button = sheet::CommandBarButton(AddControl(items, kControlButton).Object());
            button.SetStyle(sheet::ButtonStyle::IconAndCaption);
            button.SetCaption(tool.caption);
            SetButtonFace(m_folder + tool.faceFile, m_faceRoad, button);
            part.Connect(tool.handler, button);
        }
        auto help = sheet::CommandBarButton(AddControl(items, kControlButton).Object());
        help.SetStyle(sheet::ButtonStyle::Caption);
        help.SetCaption(legacy_menu::kHelp);
        help.SetBeginGroup(true);
        part.Connect(Kind::Help, help);
    }

    // Left from an earlier run: nothing is added. A button the user took away is passed over, so the
    // others (and the toolbar's) still work.
    void ReconnectMenu(const sheet::CommandBarPopup& submenu, const sheet::CommandBarControls& familyEntries) {
        sheet::CommandBarControls items = submenu.Controls();
        for (const MenuTool& tool : kTools) Connect(tool.handler, legacy_menu::FindControl(items, tool.caption));
        Connect(Kind::Help, legacy_menu::FindControl(items, legacy_menu::kHelp));
        Connect(Kind::Website, legacy_menu::FindControl(familyEntries, legacy_menu::kWebsite));
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
        for (const MenuTool& tool : kTools) {
            auto button = sheet::CommandBarButton(AddControl(buttons, kControlButton).Object());
            button.SetStyle(sheet::ButtonStyle::Icon);
            button.SetTag(tool.caption);
            button.SetTooltipText(tool.caption);
            SetButtonFace(m_folder + tool.faceFile, m_faceRoad, button);
            part.Connect(tool.handler, button);
        }
        part.Complete();
    }

    void ReconnectToolbar(const sheet::CommandBarControls& buttons) {
        const long count = buttons.Count();
        for (long i = 1; i <= count; ++i) {
            sheet::CommandBarControl button = buttons.Item(i);
            const std::wstring tag = button.Tag();
            for (const MenuTool& tool : kTools) {
                if (tag == tool.caption) Connect(tool.handler, button);
            }
        }
    }

    // Excel 2000's faces go through the clipboard: the user's contents are saved once, before the first.
    void SaveClipboard() {
        if (m_faceRoad == FaceRoad::Clipboard && !m_clipboard.IsSaved()) m_clipboard.Save();
    }

    void Connect(Kind kind, const sheet::DispatchWrapper& control) const { ConnectHandler(m_handlers, kind, control); }

    const sheet::Application& m_app;
    const CButtonHandlerSet& m_handlers;
    const FaceRoad m_faceRoad;
    const std::wstring m_folder;
    CClipboardBackup m_clipboard;
};

}  // namespace

HRESULT CMyAddin::BuildCommandBarMenu() {
    try {
        if (!m_buttonHandlers.CreateAll(*this)) return S_OK;
        MenuBuilder(m_app, m_buttonHandlers, m_bExcel2000 ? FaceRoad::Clipboard : FaceRoad::PictureAndMask).Build();
    } catch (...) {
        // Whatever Excel refused, the menu stays as far as it got and Excel starts as usual.
    }
    return S_OK;
}

void CMyAddin::OpenHomePageAsFirstOfFamily() {
    try {
        sheet::CommandBarControl family =
            legacy_menu::MenuBar(m_app.CommandBars()).Controls().Item(legacy_menu::kFamilyPopup);
        if (sheet::CommandBarPopup(family.Object()).Controls().Item(1L).Caption() != legacy_menu::kSubmenu) return;
    } catch (const sheet::CAutomationError&) {
        return;  // no family popup, or an empty one: not this add-in's to act on
    }
    OpenHomePage();
}
