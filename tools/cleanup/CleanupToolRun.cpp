#include "tools/cleanup/CleanupToolRun.h"

#include "tools/cleanup/CleanupEngines.h"

namespace cleanup {

void CleanupToolRun::RunChangeCase(CaseMode mode) {
    RunEngine(L"Change Case", [&](const sheet::Application& app, status::Progress& progress,
                                  const status::StatusLines& lines) {
        const TextWalkResult result = cleanup::RunChangeCase(app, mode, progress);
        return lines.CellsChanged(result.changed, SelectionAddress(app), result.keptTooLong);
    });
}

void CleanupToolRun::RunRemoveCharacters(RemoveMode mode) {
    RunEngine(L"Remove Characters", [&](const sheet::Application& app, status::Progress& progress,
                                        const status::StatusLines& lines) {
        const TextWalkResult result = cleanup::RunRemoveCharacters(app, mode, progress);
        return lines.CellsChanged(result.changed, SelectionAddress(app), result.keptTooLong);
    });
}

}  // namespace cleanup
