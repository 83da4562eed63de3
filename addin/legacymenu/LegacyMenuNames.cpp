#include "addin/legacymenu/LegacyMenuNames.h"

#include <windows.h>

#include <string>

#include "sheet/AutomationError.h"

namespace legacy_menu {

namespace {

// A caption as Office matches it: the "&" that marks an access key left out, "&&" read as "&".
std::wstring WithoutAccessKeys(std::wstring_view caption) {
    std::wstring plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

bool SameCaption(std::wstring_view shown, std::wstring_view wanted) {
    const std::wstring a = WithoutAccessKeys(shown);
    const std::wstring b = WithoutAccessKeys(wanted);
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

}  // namespace

sheet::CommandBar MenuBar(const sheet::CommandBars& bars) {
    try {
        sheet::CommandBar active = bars.ActiveMenuBar();
        if (active) return active;
    } catch (const sheet::CAutomationError&) {
        // Fall back on the worksheet's menu bar.
    }
    return bars.Item(kWorksheetMenuBar);
}

sheet::CommandBarControl FindControl(const sheet::CommandBarControls& controls, std::wstring_view caption) {
    try {
        return controls.Item(caption);
    } catch (const sheet::CAutomationError&) {
        // Office refuses a caption it lacks and a call it could not make alike.
    }
    const long count = controls.Count();
    for (long i = 1; i <= count; ++i) {
        sheet::CommandBarControl control = controls.Item(i);
        if (SameCaption(control.Caption(), caption)) return control;
    }
    return {};
}

sheet::CommandBar FindBar(const sheet::CommandBars& bars, std::wstring_view name) {
    try {
        return bars.Item(name);
    } catch (const sheet::CAutomationError&) {
        return {};
    }
}

bool StandsFirstInFamily(const sheet::Application& app) {
    try {
        sheet::CommandBarControl family = MenuBar(app.CommandBars()).Controls().Item(kFamilyPopup);
        return sheet::CommandBarPopup(family.Object()).Controls().Item(1L).Caption() == kSubmenu;
    } catch (const sheet::CAutomationError&) {
        return false;  // no family popup, or an empty one
    }
}

}  // namespace legacy_menu
