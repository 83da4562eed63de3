#include "addin/ToolOutcomes.h"

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
