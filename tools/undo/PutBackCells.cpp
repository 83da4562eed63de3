#include "tools/undo/PutBackCells.h"

#include "tools/common/TextStaysText.h"
#include "tools/common/BlockReader.h"
#include "tools/common/BlockWriter.h"
#include "tools/common/SheetAddress.h"

namespace undo {

namespace {

using blocks::CellContent;
using blocks::ContentKind;

// The cell's formula now, asked of the cell: the tools leave no formula, so this is rare.
std::wstring FormulaNow(const blocks::Block& block, long row, long column) {
    sheet::Variant text = block.Range().Item(row, column).Formula();
    return text.IsString() ? std::wstring(text.StringView()) : std::wstring();
}

// Whether the cell holds what the run left, or what it held before; a formula is compared by its text.
bool Holds(const blocks::Block& block, long row, long column, const blocks::ContentLeft& left) {
    const bool formula = block.HoldsFormula(row, column);
    if (left.kind != ContentKind::Formula) return !formula && blocks::ValueShows(block.Value(row, column), left);
    return formula && blocks::ContentLeft::Of(CellContent::Formula(FormulaNow(block, row, column))) == left;
}

bool Holds(const blocks::Block& block, long row, long column, const CellContent& content) {
    const bool formula = block.HoldsFormula(row, column);
    if (content.kind != ContentKind::Formula) return !formula && blocks::ValueShows(block.Value(row, column), content);
    return formula && FormulaNow(block, row, column) == content.text;
}

}  // namespace

sheet::Variant EntryOf(const CellContent& content) {
    switch (content.kind) {
    case ContentKind::Empty: return sheet::Variant();
    // An empty text needs its apostrophe: "" would empty the cell.
    case ContentKind::Text:
        return sheet::Variant::String(content.text.empty() ? std::wstring(L"'") : AsTypedText(content.text));
    case ContentKind::Formula: return sheet::Variant::String(content.text);
    case ContentKind::Number: return sheet::Variant::Double(content.number);
    case ContentKind::Date: {
        sheet::Variant date;
        VARIANT& raw = *date.Receive();
        raw.vt = VT_DATE;
        raw.date = content.number;
        return date;
    }
    case ContentKind::Boolean: return sheet::Variant::Bool(content.number != 0);
    case ContentKind::Error: {
        sheet::Variant error;
        VARIANT& raw = *error.Receive();
        raw.vt = VT_ERROR;
        raw.scode = static_cast<SCODE>(static_cast<unsigned long>(content.number));
        return error;
    }
    }
    return sheet::Variant();
}

void PutBackCells(const sheet::Worksheet& sheet, const blocks::RecordedCells& cells, UndoResult& result) {
    const blocks::BlockRect& bounds = cells.Bounds();
    const blocks::BlockRect place{1, 1, bounds.rows, bounds.columns};
    const blocks::Block block =
        blocks::Block::Read(sheet.Range(blocks::AddressOf(bounds)), place, blocks::FormulaCells::Mapped);
    blocks::BlockChanges changes(bounds.rows, bounds.columns);
    long putBack = 0;
    long left = 0;
    for (size_t i = 0; i < cells.Count(); ++i) {
        if (cells.Superseded(i)) continue;
        const long row = cells.Row(i) - bounds.row + 1;
        const long column = cells.Column(i) - bounds.column + 1;
        const CellContent before = cells.Before(i);
        if (Holds(block, row, column, cells.After(i))) {
            changes.Set(row, column, EntryOf(before));
            ++putBack;
        } else if (Holds(block, row, column, before)) {
            ++putBack;  // back already: an undo that stopped halfway, or the user's own
        } else {
            ++left;
        }
    }
    blocks::WriteChanges(block.Range(), changes);
    result.cellsPutBack += putBack;
    result.cellsLeft += left;
}

}  // namespace undo
