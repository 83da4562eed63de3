#include "tools/cleanup/CleanupToolRun.h"

#include "tools/cleanup/CleanupEngines.h"

namespace cleanup {

void CleanupToolRun::RunChangeCase(CaseMode mode) {
    RunEngine(L"Change Case", [&](const sheet::Application& app, status::Progress& progress,
                                  const status::StatusLines& lines) {
        long changed = cleanup::RunChangeCase(app, mode, progress);
        return lines.CellsChanged(changed, SelectionAddress(app));
    });
}

void CleanupToolRun::RunRemoveCharacters(RemoveMode mode) {
    RunEngine(L"Remove Characters", [&](const sheet::Application& app, status::Progress& progress,
                                        const status::StatusLines& lines) {
        long changed = cleanup::RunRemoveCharacters(app, mode, progress);
        return lines.CellsChanged(changed, SelectionAddress(app));
    });
}

}  // namespace cleanup
