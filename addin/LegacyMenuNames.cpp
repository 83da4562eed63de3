#include "addin/LegacyMenuNames.h"

#include "sheet/AutomationError.h"

namespace legacy_menu {

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
        return {};
    }
}

sheet::CommandBar FindBar(const sheet::CommandBars& bars, std::wstring_view name) {
    try {
        return bars.Item(name);
    } catch (const sheet::CAutomationError&) {
        return {};
    }
}

}  // namespace legacy_menu
