#include "tools/common/CellRecording.h"

#include <algorithm>

#include "sheet/AutomationError.h"
#include "tools/common/PreviousContents.h"
#include "tools/common/RecordingRun.h"
#include "tools/common/SheetAddress.h"

namespace blocks {

namespace {

BlockRect BoxAround(const std::vector<BlockRect>& areas) {
    long top = areas.front().row, left = areas.front().column;
    long bottom = top + areas.front().rows - 1, right = left + areas.front().columns - 1;
    for (const BlockRect& area : areas) {
        top = std::min(top, area.row);
        left = std::min(left, area.column);
        bottom = std::max(bottom, area.row + area.rows - 1);
        right = std::max(right, area.column + area.columns - 1);
    }
    return {top, left, bottom - top + 1, right - left + 1};
}

std::optional<BlockRect> Overlap(const BlockRect& a, const BlockRect& b) {
    const long top = std::max(a.row, b.row), left = std::max(a.column, b.column);
    const long bottom = std::min(a.row + a.rows, b.row + b.rows), right = std::min(a.column + a.columns, b.column + b.columns);
    if (top >= bottom || left >= right) return std::nullopt;
    return BlockRect{top, left, bottom - top, right - left};
}

// Records the cells of `read` (a rectangle of the sheet read through `range`) that lie in `areas` and that
// the fill changes.
void RecordFilled(RunRecord& record, const sheet::Range& range, const BlockRect& read,
                  const std::vector<BlockRect>& areas, const VARIANT& value) {
    const CellContent after = ContentWritten(value);
    BlockReader reader(range, read.rows, read.columns, {kDefaultBlockCells, FormulaCells::Mapped});
    for (Block block; reader.Next(block);) {
        const BlockRect onSheet{read.row + block.Place().row - 1, read.column + block.Place().column - 1,
                                block.Rows(), block.Columns()};
        PreviousContents previous(block);
        record.BeginCells(0);
        for (const BlockRect& area : areas) {
            const auto part = Overlap(onSheet, area);
            if (!part) continue;
            for (long row = part->row; row < part->row + part->rows; ++row)
                for (long column = part->column; column < part->column + part->columns; ++column) {
                    const long r = row - onSheet.row + 1, c = column - onSheet.column + 1;
                    if (!previous.HoldsFormula(r, c) && ValueShows(block.Value(r, c), after)) continue;
                    record.AddCell(row, column, previous.At(r, c), after);
                }
        }
        record.EndCells();
        if (record.Overflowed()) return;
    }
}

}  // namespace

std::vector<BlockRect> SheetAreasOf(const sheet::Range& range) {
    const std::wstring address = range.Address();
    std::vector<BlockRect> areas;
    size_t start = 0;
    for (;;) {
        const size_t comma = address.find(L',', start);
        auto area = ParseArea(std::wstring_view(address).substr(start, comma == std::wstring::npos ? comma : comma - start));
        if (!area) throw sheet::CAutomationError(E_UNEXPECTED, L"Range.Address gave \"" + address + L"\", no cells.");
        areas.push_back(*area);
        if (comma == std::wstring::npos) return areas;
        start = comma + 1;
    }
}

void RecordBlockWrite(const Block& read, const BlockChanges& changes) {
    RunRecord* record = CurrentRecord();
    if (!record || !changes.Any()) return;
    LearnOwner(*record, read.Range());
    const BlockRect at = SheetAreasOf(read.Range()).front();
    PreviousContents previous(read);
    record->BeginCells(static_cast<std::size_t>(changes.Count()));
    for (long r = 1; r <= changes.Rows(); ++r)
        for (long c = 1; c <= changes.Columns(); ++c)
            if (changes.IsChanged(r, c))
                record->AddCell(at.row + r - 1, at.column + c - 1, previous.At(r, c),
                                ContentWritten(changes.At(r, c).get()));
    record->EndCells();
}

void RecordRangeWrite(const sheet::Range& cells, const BlockChanges& changes) {
    if (!CurrentRecord() || !changes.Any()) return;
    RecordBlockWrite(Block::Read(cells, {1, 1, changes.Rows(), changes.Columns()}, FormulaCells::Mapped), changes);
}

void RecordFill(const sheet::Range& cells, const VARIANT& value) {
    RunRecord* record = CurrentRecord();
    if (!record) return;
    LearnOwner(*record, cells);
    const std::vector<BlockRect> areas = SheetAreasOf(cells);
    if (areas.size() == 1) {
        RecordFilled(*record, cells, areas.front(), areas, value);
        return;
    }
    // Runs of rows close to each other are read as one rectangle, unless it holds many more cells than they do.
    const BlockRect box = BoxAround(areas);
    long long cellsOfAreas = 0;
    for (const BlockRect& area : areas) cellsOfAreas += area.Cells();
    if (box.Cells() <= 2 * cellsOfAreas + 64) {
        RecordFilled(*record, record->Owner().Range(AddressOf(box)), box, areas, value);
        return;
    }
    for (const BlockRect& area : areas)
        if (!record->Overflowed()) RecordFilled(*record, record->Owner().Range(AddressOf(area)), area, {area}, value);
}

}  // namespace blocks
