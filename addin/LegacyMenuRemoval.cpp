#include "addin/LegacyMenuRemoval.h"

#include "sheet/AutomationError.h"

namespace {

constexpr const wchar_t* kToolbarName = L"Zenda Cellwright";
constexpr const wchar_t* kMenuBarName = L"Worksheet Menu Bar";
constexpr const wchar_t* kFamilyPopupCaption = L"Zenda Utilities";
constexpr const wchar_t* kOwnEntryCaption = L"Cellwright";
// The popup's own two entries of this add-in; more means another family add-in shares it.
constexpr long kEntriesOfOneAddin = 2;

void DeleteToolbar(const sheet::CommandBars& bars) {
    try {
        bars.Item(kToolbarName).Delete();
    } catch (const sheet::CAutomationError&) {
        // No toolbar: nothing to delete.
    }
}

void DeleteFamilyEntry(const sheet::CommandBars& bars) {
    sheet::CommandBarPopup popup;
    try {
        popup = sheet::CommandBarPopup(bars.Item(kMenuBarName).Controls().Item(kFamilyPopupCaption).Object());
    } catch (const sheet::CAutomationError&) {
        return;  // no family popup
    }
    if (popup.Controls().Count() > kEntriesOfOneAddin) {
        try {
            popup.Controls().Item(kOwnEntryCaption).Delete(false);
        } catch (const sheet::CAutomationError&) {
            // Another family add-in's popup without an entry of ours.
        }
    } else {
        popup.Delete(false);
    }
}

}  // namespace

void RemoveLegacyMenu(const sheet::Application& app) noexcept {
    try {
        sheet::CommandBars bars = app.CommandBars();
        DeleteToolbar(bars);
        DeleteFamilyEntry(bars);
    } catch (...) {
        // Unloading goes on whatever Excel's command bars say.
    }
}
