#include "tools/duplicates/ActOnRows.h"

#include "tools/common/BlockWriter.h"
#include "tools/common/FillAndSelect.h"

namespace duplicates {

bool ActOnRows(const sheet::Application& app, const sheet::Range& rows, DupAction action, COLORREF color,
               sheet::Range& selection) {
    switch (action) {
    case DupAction::Select: selection = selection.IsEmpty() ? rows : app.Union(selection, rows); return true;
    case DupAction::Color: blocks::PaintCells(rows, color); return true;
    case DupAction::Delete:
        // Every cell of the rows within the range, key cells holding numbers included.
        blocks::FillCells(rows, sheet::Variant());
        return true;
    default: return false;
    }
}

}  // namespace duplicates
