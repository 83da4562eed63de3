// The range text walk that both text clean-up tools run over the selection.
#pragma once

#include <functional>
#include <string>

#include "sheet/Application.h"
#include "tools/common/BlockGrid.h"
#include "tools/status/Progress.h"

namespace cleanup {

// Rewrites one cell's text in place.
using TextTransform = std::function<void(std::wstring&)>;

// What a walk does with Excel's calculation, screen updating and events.
enum class ExcelUpdates {
    LeftAlone,           // the walk does not touch them
    SuspendedForTheRun,  // switched off for the run and put back exactly as they were
};

// An area of more rows than this (whole columns, say) is clipped to the active sheet's used range and walked
// in blocks: one read of a block's values (and formulas) at a time, one write per rectangle of changed texts.
constexpr long kRowLimit = 1000;
// So is an area wider than a sheet of Excel 2000 (whole rows): cell by cell, its blanks alone would take
// tens of thousands of calls a row.
constexpr long kColumnLimit = 256;

// How many cells a block holds past the size limit.
struct BlockCells {
    long count = blocks::kDefaultBlockCells;
};

// Applies the transform to every text cell of the selection that holds no formula, area by area, and writes
// back only what changed. Numbers, dates, booleans, error values and blank cells are left alone. Progress
// hears of every row (past the limit, of every block's rows) and may stop the walk there. Failures stop the
// walk and propagate after the settings are put back. Gives the number of cells changed.
long WalkRangeText(const sheet::Application& app, const TextTransform& transform, ExcelUpdates updates,
                   BlockCells blockCells = {}, status::Progress& progress = status::NoProgress());

// True unless both HasFormula and HasArray answer a plain False (a mixed range answers Null).
bool HasFormulaOrArray(const sheet::Range& range);

// True when any of a row's values (Range.Value of the row) is not a text: blank, number, date, boolean or
// error value.
bool RowHasNonText(const sheet::Variant& rowValues, long columns);

}  // namespace cleanup
