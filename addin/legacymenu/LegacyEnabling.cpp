#include "addin/legacymenu/LegacyEnabling.h"

#include "addin/legacymenu/LegacyMenuNames.h"
#include "framework/Trace.h"

namespace {

using commands::Command;

// The command's entry in the submenu and its toolbar button, where they are; Excel's refusal is thrown.
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

}  // namespace

void RefreshLegacyEnabling(CommandRunner& runner) noexcept {
    if (runner.Application().IsEmpty()) return;
    for (const Command& command : commands::Table()) {
        if (!command.enabled) continue;
        try {
            EnableLegacyCommand(runner.Application(), command, command.enabled(runner.Context()));
        } catch (...) {
            framework::TraceSwallowed(L"enabling a legacy menu entry");
        }
    }
}
