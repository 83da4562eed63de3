#include "tools/cleanup/CleanupEngines.h"

#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/WalkRangeText.h"

namespace cleanup {

long RunChangeCase(const sheet::Application& app, int mode, status::Progress& progress) {
    return WalkRangeText(app, [mode](std::wstring& text) { ChangeCaseOfText(text, mode); }, WalkSettings{true},
                         progress);
}

long RunRemoveCharacters(const sheet::Application& app, int mode, status::Progress& progress) {
    return WalkRangeText(app, [mode](std::wstring& text) { RemoveCharactersFromText(text, mode); },
                         WalkSettings{false}, progress);
}

}  // namespace cleanup
