#include "tools/common/CellRecording.h"

#include <algorithm>

#include "sheet/AutomationError.h"
#include "tools/common/KnownContents.h"
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

// Records the cells of `read` (a rectangle of the sheet read through `range`) that lie in `areas` and that
// the fill changes.
void RecordFilled(RunRecord& record, const sheet::Range& range, const BlockRect& read,
                  const std::vector<BlockRect>& areas, const VARIANT& value) {
    const CellContent after = ContentWritten(value);
    const ContentLeft left = ContentLeft::Of(after);
    CellContent before;
    BlockReader reader(range, read.rows, read.columns, {kDefaultBlockCells, FormulaCells::Mapped});
    for (Block block; reader.Next(block);) {
        const BlockRect onSheet{read.row + block.Place().row - 1, read.column + block.Place().column - 1, block.Rows(),
                                block.Columns()};
        PreviousContents previous(block);
        record.BeginCells(0);
        for (const BlockRect& area : areas) {
            const auto part = Overlap(onSheet, area);
            if (!part) continue;
            for (long row = part->row; row < part->row + part->rows; ++row)
                for (long column = part->column; column < part->column + part->columns; ++column) {
                    const long r = row - onSheet.row + 1, c = column - onSheet.column + 1;
                    if (!previous.HoldsFormula(r, c) && ValueShows(block.Value(r, c), after)) continue;
                    previous.At(r, c, before);
                    record.AddCell(row, column, before, left);
                }
        }
        record.EndCells();
        if (record.Overflowed()) return;
    }
}

// Records the cells of `area` that the fill changes from reads the engine lent; false when they do not cover it.
bool RecordFilledFromKnown(RunRecord& record, const BlockRect& area, const CellContent& after) {
    const std::vector<KnownContents::Part> parts = KnownContents::Covering(area);
    if (parts.empty()) return false;
    const ContentLeft left = ContentLeft::Of(after);
    CellContent before;
    record.BeginCells(0);
    for (const KnownContents::Part& part : parts) {
        PreviousContents& previous = part.known->previous;
        const BlockRect& place = part.known->onSheet;
        for (long row = part.cells.row; row < part.cells.row + part.cells.rows; ++row)
            for (long column = part.cells.column; column < part.cells.column + part.cells.columns; ++column) {
                const long r = row - place.row + 1, c = column - place.column + 1;
                if (!previous.HoldsFormula(r, c) && ValueShows(previous.Read().Value(r, c), after)) continue;
                previous.At(r, c, before);
                record.AddCell(row, column, before, left);
            }
    }
    record.EndCells();
    return true;
}

}  // namespace

std::vector<BlockRect> SheetAreasOf(const sheet::Range& range) {
    const std::wstring address = range.Address();
    std::vector<BlockRect> areas;
    size_t start = 0;
    for (;;) {
        const size_t comma = address.find(L',', start);
        auto area =
            ParseArea(std::wstring_view(address).substr(start, comma == std::wstring::npos ? comma : comma - start));
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
    RunRecord* record = CurrentRecord();
    if (!record || !changes.Any()) return;
    LearnOwner(*record, cells);
    const BlockRect at = SheetAreasOf(cells).front();
    const std::vector<KnownContents::Part> parts =
        KnownContents::Covering({at.row, at.column, changes.Rows(), changes.Columns()});
    if (!parts.empty()) {
        record->BeginCells(static_cast<std::size_t>(changes.Count()));
        for (const KnownContents::Part& part : parts)
            for (long row = part.cells.row; row < part.cells.row + part.cells.rows; ++row)
                for (long column = part.cells.column; column < part.cells.column + part.cells.columns; ++column) {
                    const long r = row - at.row + 1, c = column - at.column + 1;
                    if (!changes.IsChanged(r, c)) continue;
                    record->AddCell(row, column,
                                    part.known->previous.At(row - part.known->onSheet.row + 1,
                                                            column - part.known->onSheet.column + 1),
                                    ContentWritten(changes.At(r, c).get()));
                }
        record->EndCells();
        return;
    }
    RecordBlockWrite(Block::Read(cells, {1, 1, changes.Rows(), changes.Columns()}, FormulaCells::Mapped), changes);
}

void RecordFill(const sheet::Range& cells, const VARIANT& value) {
    RunRecord* record = CurrentRecord();
    if (!record) return;
    LearnOwner(*record, cells);
    std::vector<BlockRect> areas = SheetAreasOf(cells);
    const bool oneArea = areas.size() == 1;
    const CellContent after = ContentWritten(value);
    areas.erase(std::remove_if(areas.begin(), areas.end(),
                               [&](const BlockRect& area) { return RecordFilledFromKnown(*record, area, after); }),
                areas.end());
    if (areas.empty() || record->Overflowed()) return;
    if (areas.size() == 1) {
        RecordFilled(*record, oneArea ? cells : record->Owner().Range(AddressOf(areas.front())), areas.front(), areas,
                     value);
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
