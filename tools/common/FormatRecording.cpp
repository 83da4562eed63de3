#include "tools/common/FormatRecording.h"

#include <optional>
#include <vector>

#include "tools/common/FormatValues.h"
#include "tools/common/SheetAddress.h"
#include "tools/common/SubRange.h"

namespace blocks {

namespace {

BlockRect Within(const BlockRect& outer, const BlockRect& inner) {
    return {outer.row + inner.row - 1, outer.column + inner.column - 1, inner.rows, inner.columns};
}

bool Inside(const BlockRect& rect, const BlockRect& area) {
    return rect.row >= area.row && rect.column >= area.column && rect.row + rect.rows <= area.row + area.rows &&
           rect.column + rect.columns <= area.column + area.columns;
}

void RecordFormatOf(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect, FormatKind kind,
                    const FormatValue& after) {
    const bool columnsOnly = kind == FormatKind::ColumnWidth;
    if (auto before = CommonFormat(range, kind)) {
        recording.Record().AddFormat({recording.OnSheet(rect), kind, *before, after});
        return;
    }
    // A single cell, or column for a width, always agrees.
    for (const BlockRect& half : Halves(rect.rows, rect.columns, columnsOnly))
        RecordFormatOf(recording, SubRange(range, rect.rows, rect.columns, half), Within(rect, half), kind, after);
}

// The merged areas that meet the rectangle, found by halving it until a part is merged all over or is one cell.
void FindMerged(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect) {
    RunRecord& record = recording.Record();
    const BlockRect onSheet = recording.OnSheet(rect);
    for (const BlockRect& known : record.MergedBefore())
        if (Inside(onSheet, known)) return;
    sheet::Variant merged = range.MergeCells();
    if (merged.IsFalseBool()) return;
    if (rect.rows == 1 && rect.columns == 1) {
        std::wstring address = range.MergeArea().Address();
        if (auto area = ParseArea(address)) record.AddMergedBefore(*area);
        return;
    }
    for (const BlockRect& half : Halves(rect.rows, rect.columns, false))
        FindMerged(recording, SubRange(range, rect.rows, rect.columns, half), Within(rect, half));
}

}  // namespace

void RecordFormat(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect, FormatKind kind,
                  FormatValue after) {
    if (recording.On()) RecordFormatOf(recording, range, rect, kind, after);
}

void RecordUnmerge(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect) {
    if (recording.On()) FindMerged(recording, range, rect);
}

void RecordMerge(AreaRecording& recording, const sheet::Range& range, const BlockRect& rect, bool across) {
    if (!recording.On()) return;
    FindMerged(recording, range, rect);
    recording.Record().AddMergedByRun({recording.OnSheet(rect), across});
}

void RecordSelection(RunRecord* record, const sheet::Application& app, const sheet::Range& next) {
    if (!record) return;
    LearnOwner(*record, next);
    std::wstring before = app.Selection().Address();
    record->AddSelection(std::move(before), next.Address());
}

}  // namespace blocks
