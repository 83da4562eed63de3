#include "tools/merge/MergeToolRun.h"

#include "tools/merge/MergeSelection.h"

namespace merge {

MergeResult MergeToolRun::MergeSelection(const MergeRequest& request) {
    MergeResult result;
    RunEngine(L"Merge Cell Text", [&](const sheet::Application& app, status::Progress& progress,
                                      const status::StatusLines& lines) {
        result = merge::MergeSelection(app, request, progress);
        return MergeOutcome(request, result, lines);
    });
    return result;
}

std::wstring MergeOutcome(const MergeRequest& request, const MergeResult& result, const status::StatusLines& lines) {
    // Merging counts the merged groups; joining without merging counts the cells that got a joined text.
    long count = request.mergeCells ? result.groupsMerged : result.cellsWritten;
    std::wstring done = request.mergeCells ? L" merged" : L" joined";
    switch (GroupingOf(request.target)) {
    case Grouping::RowByRow: return lines.Count(count, L"row", L"rows") + done;
    case Grouping::ColumnByColumn: return lines.Count(count, L"column", L"columns") + done;
    case Grouping::InOneCell: break;
    }
    return lines.Count(count, L"area", L"areas") + done + (count > 1 ? L" into one cell each" : L" into one cell");
}

}  // namespace merge
