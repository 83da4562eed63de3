#include "addin/commands/ToolOutcomes.h"

std::wstring DuplicatesOutcome(duplicates::DupAction action, const duplicates::DuplicatesResult& result,
                               const status::StatusLines& lines) {
    if (result.duplicatesFound == 0) return L"no duplicate rows in " + lines.Number(result.rowsExamined);
    const wchar_t* done = L" selected";
    switch (action) {
    case duplicates::DupAction::Select: break;
    case duplicates::DupAction::Color: done = L" coloured"; break;
    case duplicates::DupAction::Delete: done = L" emptied"; break;
    }
    return lines.Count(result.duplicatesFound, L"duplicate row", L"duplicate rows") + L" of " +
           lines.Number(result.rowsExamined) + done;
}

std::wstring MergeOutcome(const merge::MergeRequest& request, const merge::MergeResult& result,
                          const status::StatusLines& lines) {
    // Merging counts the merged groups; joining without merging counts the cells that got a joined text.
    long count = request.mergeCells ? result.groupsMerged : result.cellsWritten;
    std::wstring done = request.mergeCells ? L" merged" : L" joined";
    switch (merge::GroupingOf(request.target)) {
    case merge::Grouping::RowByRow: return lines.Count(count, L"row", L"rows") + done;
    case merge::Grouping::ColumnByColumn: return lines.Count(count, L"column", L"columns") + done;
    case merge::Grouping::InOneCell: break;
    }
    return lines.Count(count, L"area", L"areas") + done + (count > 1 ? L" into one cell each" : L" into one cell");
}
