#include "tools/cleanup/CleanupEngines.h"

#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/WalkRangeText.h"

namespace cleanup {

void RunChangeCase(const sheet::Application& app, CaseMode mode) {
    WalkRangeText(app, [mode](std::wstring& text) { ChangeCaseOfText(text, mode); }, ExcelUpdates::SuspendedForTheRun);
}

void RunRemoveCharacters(const sheet::Application& app, RemoveMode mode) {
    WalkRangeText(app, [mode](std::wstring& text) { RemoveCharactersFromText(text, mode); }, ExcelUpdates::LeftAlone);
}

}  // namespace cleanup
