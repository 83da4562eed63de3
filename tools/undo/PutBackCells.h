// Puts back one recorded block of a run's written cells: one read of the block's rectangle (Range.Value, and
// HasFormula and for a mixed block Range.Formula), then one write per rectangle of cells to put back. A cell
// whose content is no longer what the run left is left alone; one already as before counts as put back.
#pragma once

#include "sheet/Application.h"
#include "tools/common/RunRecord.h"
#include "tools/undo/UndoResult.h"

namespace undo {

void PutBackCells(const sheet::Worksheet& sheet, const blocks::RecordedCells& cells, UndoResult& result);

// What Range.Value is given to put the content back: a text as typed so that it stays text, a formula's text,
// a constant of its type.
sheet::Variant EntryOf(const blocks::CellContent& content);

}  // namespace undo
