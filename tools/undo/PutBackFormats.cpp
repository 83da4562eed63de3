#include "tools/undo/PutBackFormats.h"

#include "sheet/AutomationError.h"
#include "tools/common/FormatValues.h"
#include "tools/common/SheetAddress.h"
#include "tools/common/SubRange.h"

namespace undo {

namespace {

using blocks::BlockRect;
using blocks::FormatChange;
using blocks::FormatKind;

sheet::Range RangeOf(const sheet::Worksheet& sheet, const BlockRect& rect) {
    return sheet.Range(blocks::AddressOf(rect));
}

long CellsOf(const BlockRect& rect) { return static_cast<long>(rect.Cells()); }

// Puts the change's value before back on the part of its area that still has the value after, halving the
// area where its cells differ. Fills count their cells.
void PutBackPart(const sheet::Range& range, const BlockRect& rect, const FormatChange& change, bool themed,
                 UndoResult& result) {
    const bool columnsOnly = change.kind == FormatKind::ColumnWidth;
    const bool counted = change.kind == FormatKind::Fill;
    if (auto now = blocks::CommonFormat(range, change.kind, themed)) {
        if (*now == change.after) {
            blocks::PutFormat(range, change.kind, change.before);
            if (counted) result.cellsPutBack += CellsOf(rect);
        } else if (counted && *now != change.before) {
            result.cellsLeft += CellsOf(rect);
        }
        return;
    }
    for (const BlockRect& half : blocks::Halves(rect.rows, rect.columns, columnsOnly))
        PutBackPart(blocks::SubRange(range, rect.rows, rect.columns, half),
                    {rect.row + half.row - 1, rect.column + half.column - 1, half.rows, half.columns}, change, themed,
                    result);
}

// True when no cell of the area but its top-left one holds a value, so that merging it drops nothing.
bool OnlyTopLeftHoldsValue(const sheet::Range& range, const BlockRect& rect) {
    sheet::Variant values = range.Value();
    const VARIANT& v = values.get();
    if (!(v.vt & VT_ARRAY)) return true;
    SAFEARRAY* array = v.parray;
    LONG lower1 = 0, lower2 = 0;
    SafeArrayGetLBound(array, 1, &lower1);
    SafeArrayGetLBound(array, 2, &lower2);
    for (long r = 0; r < rect.rows; ++r)
        for (long c = 0; c < rect.columns; ++c) {
            if (r == 0 && c == 0) continue;
            LONG indices[2] = {lower1 + r, lower2 + c};
            VARIANT* element = nullptr;
            if (FAILED(SafeArrayPtrOfIndex(array, indices, reinterpret_cast<void**>(&element))) || !element ||
                element->vt != VT_EMPTY)
                return false;
        }
    return true;
}

// The address of the selection; empty when it is no range (a chart the user selected since, say).
std::wstring SelectionAddress(const sheet::Application& app) {
    try {
        return app.Selection().Address();
    } catch (const sheet::CAutomationError&) {
        return std::wstring();
    }
}

}  // namespace

void TakeApartRunMerges(const sheet::Worksheet& sheet, blocks::RunRecord& record) {
    for (const blocks::MergeChange& merged : record.MergedByRun()) {
        sheet::Range range = RangeOf(sheet, merged.area);
        // Unmerging loses nothing: what the user merged there since comes apart as well, keeping its value.
        if (!range.MergeCells().IsFalseBool()) range.UnMerge();
    }
    record.MergedByRun().clear();
}

void MergeAgain(const sheet::Worksheet& sheet, blocks::RunRecord& record) {
    for (const BlockRect& area : record.MergedBefore()) {
        sheet::Range range = RangeOf(sheet, area);
        if (range.MergeCells().IsFalseBool() && OnlyTopLeftHoldsValue(range, area)) range.Merge();
    }
    record.MergedBefore().clear();
}

void PutBackFormats(const sheet::Worksheet& sheet, blocks::RunRecord& record, UndoResult& result) {
    std::vector<FormatChange>& formats = record.Formats();
    while (!formats.empty()) {
        const FormatChange& change = formats.back();
        PutBackPart(RangeOf(sheet, change.area), change.area, change, record.ThemedFills(), result);
        formats.pop_back();
    }
}

void PutBackSelection(const sheet::Application& app, const sheet::Worksheet& sheet, blocks::RunRecord& record,
                      UndoResult& result) {
    if (record.SelectionBefore().empty()) return;
    if (SelectionAddress(app) == record.SelectionAfter()) {
        // Worksheet.Range takes 255 characters: a longer list of areas is joined from pieces.
        sheet::Range before;
        for (const std::wstring& piece : blocks::AddressPieces(record.SelectionBefore())) {
            sheet::Range part = sheet.Range(piece);
            before = before.IsEmpty() ? part : app.Union(before, part);
        }
        before.Select();
        if (!record.ActiveCellBefore().empty()) sheet.Range(record.ActiveCellBefore()).Activate();
        result.selectionPutBack = true;
    }
    record.DropSelection();
}

}  // namespace undo
