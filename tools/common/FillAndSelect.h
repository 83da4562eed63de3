// The changes a tool makes to a sheet beside its cells' values, each kept in the run's record first: a fill
// painted over cells, and a new selection.
#pragma once

#include <windows.h>

#include "sheet/Application.h"

namespace blocks {

// Colours every cell of the range, all its areas: one Interior.Color put.
void PaintCells(const sheet::Range& cells, COLORREF color);

// Selects the range.
void SelectCells(const sheet::Application& app, const sheet::Range& cells);

}  // namespace blocks
