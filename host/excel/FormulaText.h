// What Range.Formula gives for one cell: the formula of a formula cell (an array formula without braces), otherwise the
// constant as the formula bar shows it in English (a text as it is, without its apostrophe; a number with up to fifteen
// significant digits and no grouping; a date as m/d/yyyy; TRUE, FALSE; an error value by its name), and the
// empty string for an empty cell.
#pragma once

#include "host/excel/Sheet.h"

#include <string>

namespace host {

// Into a text used again cell after cell, so that a block's read does not allocate for each cell; `dateFormat`
// says whether the cell's number format shows dates.
void FormulaTextInto(const Sheet::Stored* stored, bool dateFormat, std::wstring& into);

}  // namespace host
