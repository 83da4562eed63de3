#include "tools/duplicates/DuplicatesToolRun.h"

namespace duplicates {

std::vector<ColumnHeading> DuplicatesToolRun::KeyColumnChoices() { return ReadColumnHeadings(WorkRange()); }

DuplicatesResult DuplicatesToolRun::RunRemoveDuplicates(DupAction action, COLORREF color) {
    // The engine's own range and columns, whatever a disconnection does to the run's meanwhile.
    sheet::Range workRange = WorkRange();
    std::vector<UINT> keyColumns = m_keyColumns;
    DuplicatesResult result;
    RunEngine(L"Remove Duplicates", [&](const sheet::Application& app, status::Progress& progress,
                                        const status::StatusLines& lines) {
        result = duplicates::RunRemoveDuplicates(app, workRange, keyColumns, action, color, progress);
        return DuplicatesOutcome(action, result, lines);
    });
    return result;
}

std::wstring DuplicatesOutcome(DupAction action, const DuplicatesResult& result, const status::StatusLines& lines) {
    if (result.duplicatesFound == 0) return L"no duplicate rows in " + lines.Number(result.rowsExamined);
    const wchar_t* done = L" selected";
    switch (action) {
    case DupAction::Select: break;
    case DupAction::Color: done = L" coloured"; break;
    case DupAction::Delete: done = L" emptied"; break;
    }
    return lines.Count(result.duplicatesFound, L"duplicate row", L"duplicate rows") + L" of " +
           lines.Number(result.rowsExamined) + done;
}

}  // namespace duplicates
