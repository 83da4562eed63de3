#include "tools/cleanup/CleanupEngines.h"

#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/WalkRangeText.h"

namespace cleanup {

TextWalkResult RunChangeCase(const sheet::Application& app, CaseMode mode, status::Progress& progress) {
    return WalkRangeText(
        app, [mode](std::wstring& text) { ChangeCaseOfText(text, mode); }, ExcelUpdates::SuspendedForTheRun,
        blocks::BlockCaps{}, progress);
}

TextWalkResult RunRemoveCharacters(const sheet::Application& app, RemoveMode mode, status::Progress& progress) {
    return WalkRangeText(
        app, [mode](std::wstring& text) { RemoveCharactersFromText(text, mode); }, ExcelUpdates::LeftAlone,
        blocks::BlockCaps{}, progress);
}

}  // namespace cleanup
