#include "tools/cleanup/CleanupEngines.h"

#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/WalkRangeText.h"

namespace cleanup {

void RunChangeCase(const sheet::Application& app, int mode) {
    WalkRangeText(app, [mode](std::wstring& text) { ChangeCaseOfText(text, mode); }, WalkSettings{true});
}

void RunRemoveCharacters(const sheet::Application& app, int mode) {
    WalkRangeText(app, [mode](std::wstring& text) { RemoveCharactersFromText(text, mode); }, WalkSettings{false});
}

}  // namespace cleanup
