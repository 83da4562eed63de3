#include "addin/legacymenu/LegacyMenuRemoval.h"

#include "addin/legacymenu/ExcelInstance.h"
#include "addin/legacymenu/ExcelVersion.h"
#include "addin/legacymenu/LegacyMenuNames.h"
#include "sheet/AutomationError.h"

namespace {

void DeleteToolbar(const sheet::CommandBars& bars) {
    try {
        if (sheet::CommandBar toolbar = legacy_menu::FindBar(bars, legacy_menu::kToolbar)) toolbar.Delete();
    } catch (const sheet::CAutomationError&) {
        // A toolbar that will not go does not keep the menu entry.
    }
}

void DeleteFamilyEntry(const sheet::CommandBar& menuBar) {
    auto family =
        sheet::CommandBarPopup(legacy_menu::FindControl(menuBar.Controls(), legacy_menu::kFamilyPopup).Object());
    if (!family) return;
    if (family.Controls().Count() > legacy_menu::kEntriesOfOneAddin) {
        // Another family add-in shares the popup: only this add-in's entry goes.
        if (sheet::CommandBarControl own = legacy_menu::FindControl(family.Controls(), legacy_menu::kSubmenu))
            own.Delete(false);
    } else {
        family.Delete(false);
    }
}

}  // namespace

void RemoveLegacyMenu(const sheet::Application& app) noexcept {
    try {
        sheet::CommandBars bars = app.CommandBars();
        DeleteToolbar(bars);
        DeleteFamilyEntry(bars.Item(legacy_menu::kWorksheetMenuBar));
    } catch (...) {
        // Unloading goes on whatever Excel's command bars say.
    }
}

void RemoveLegacyMenuFromExcel() noexcept {
    try {
        ExcelInstance excel(L"Excel.Application");
        if (!excel.Application()) return;
        const sheet::Application app{framework::ComPtr<IDispatch>(excel.Application())};
        if (!ClassifyExcelVersion(app.Version()).legacyMenu) return;
        sheet::CommandBars bars = app.CommandBars();
        DeleteToolbar(bars);
        DeleteFamilyEntry(legacy_menu::MenuBar(bars));
    } catch (...) {
        // Unregistration succeeds whatever Excel says.
    }
}
