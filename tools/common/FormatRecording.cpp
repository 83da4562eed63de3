#include "tools/common/FormatRecording.h"

#include <functional>
#include <optional>
#include <vector>

#include "tools/common/CellRecording.h"
#include "tools/common/FormatValues.h"
#include "tools/common/RecordingRun.h"
#include "tools/common/SheetAddress.h"

namespace blocks {

namespace {

using Rects = std::vector<BlockRect>;

// Without dollars, so that a part of a reference Excel took is as short as it was.
std::wstring ReferenceOf(const Rects& rects) {
    std::wstring reference;
    for (const BlockRect& rect : rects) {
        if (!reference.empty()) reference += L',';
        for (wchar_t ch : AddressOf(rect))
            if (ch != L'$') reference += ch;
    }
    return reference;
}

// Asks `settled` of the rectangles together; where it says their cells differ, asks again of halves: of the
// list of areas, then of an area's rows or (with `columnsOnly`) columns, each part reached by its reference.
void ByHalves(const sheet::Worksheet& sheet, const sheet::Range& range, const Rects& rects, bool columnsOnly,
              const std::function<bool(const sheet::Range&, const Rects&)>& settled) {
    if (settled(range, rects)) return;
    std::vector<Rects> parts;
    if (rects.size() > 1) {
        parts.emplace_back(rects.begin(), rects.begin() + static_cast<long>(rects.size() / 2));
        parts.emplace_back(rects.begin() + static_cast<long>(rects.size() / 2), rects.end());
    } else {
        const BlockRect& rect = rects.front();
        for (const BlockRect& half : Halves(rect.rows, rect.columns, columnsOnly))
            parts.push_back({{rect.row + half.row - 1, rect.column + half.column - 1, half.rows, half.columns}});
    }
    for (const Rects& part : parts) ByHalves(sheet, sheet.Range(ReferenceOf(part)), part, columnsOnly, settled);
}

// The areas of `range`, with the run's record; nothing outside a run.
RunRecord* Begin(const sheet::Range& range, Rects& areas) {
    RunRecord* record = CurrentRecord();
    if (!record) return nullptr;
    LearnOwner(*record, range);
    areas = SheetAreasOf(range);
    return record;
}

// The merged areas that meet the rectangles, kept once each.
void FindMerged(RunRecord& record, const sheet::Range& range, const Rects& areas) {
    ByHalves(record.Owner(), range, areas, false, [&](const sheet::Range& part, const Rects& rects) {
        if (rects.size() == 1)
            for (const BlockRect& known : record.MergedBefore())
                if (Inside(rects.front(), known)) return true;
        if (part.MergeCells().IsFalseBool()) return true;
        if (rects.size() > 1 || rects.front().Cells() > 1) return false;
        if (auto area = ParseArea(part.MergeArea().Address())) record.AddMergedBefore(*area);
        return true;
    });
}

}  // namespace

void RecordFormat(const sheet::Range& range, FormatKind kind, const FormatValue& after) {
    Rects areas;
    RunRecord* record = Begin(range, areas);
    if (!record) return;
    const bool columnsOnly = kind == FormatKind::ColumnWidth;
    ByHalves(record->Owner(), range, areas, columnsOnly, [&](const sheet::Range& part, const Rects& rects) {
        const auto before = CommonFormat(part, kind, record->ThemedFills());
        // A single cell, or column for a width, that answers nothing readable is taken as it would be put.
        const bool single = rects.size() == 1 && (columnsOnly ? rects.front().columns : rects.front().Cells()) == 1;
        if (!before && !single) return false;
        for (const BlockRect& rect : rects) record->AddFormat({rect, kind, before.value_or(after), after});
        return true;
    });
}

void RecordKnownFormat(const sheet::Range& range, FormatKind kind, const FormatValue& before,
                       const FormatValue& after) {
    Rects areas;
    RunRecord* record = Begin(range, areas);
    if (!record) return;
    for (const BlockRect& rect : areas) record->AddFormat({rect, kind, before, after});
}

void RecordUnmerge(const sheet::Range& range) {
    Rects areas;
    if (RunRecord* record = Begin(range, areas)) FindMerged(*record, range, areas);
}

void RecordMerge(const sheet::Range& range, bool across) {
    Rects areas;
    RunRecord* record = Begin(range, areas);
    if (!record) return;
    FindMerged(*record, range, areas);
    for (const BlockRect& area : areas) record->AddMergedByRun({area, across});
}

void RecordSelection(const sheet::Application& app, const sheet::Range& next) {
    RunRecord* record = CurrentRecord();
    if (!record) return;
    LearnOwner(*record, next);
    std::wstring before = app.Selection().Address();
    std::wstring active = app.ActiveCell().Address();
    record->AddSelection(std::move(before), std::move(active), next.Address());
}

}  // namespace blocks
