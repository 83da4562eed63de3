// A sheet of tricky rows, for tests that run a tool on rows 1:1000 and on a bigger selection and compare:
// every kind of cell the tools meet, in every column, with repeats for Remove Duplicates to find.
#pragma once

#include <string>

#include "host/excel/Cell.h"
#include "host/excel/Sheet.h"

namespace cwtest {

// Fills rows 1 to `rows` of columns 1 to `columns` (at least 6, at least 1001 rows, so that the used range
// reaches past row 1000 and covers the columns): texts in every case with blanks, tabs, no-break spaces and
// control characters; number-like texts (under General and under Text); texts hidden by ";;;" or decorated
// by "ID-"@; numbers under formats, too wide for their column ("####"); dates, currency, booleans, errors,
// blanks, empty texts; formulas with text results (one yielding its own text), an array formula; texts
// holding a NUL; 32,767-character texts; merged areas. Texts repeat, so that rows repeat earlier ones.
void FillTrickyRows(host::Sheet& sheet, long rows, long columns);

// One cell as a line, for comparing two sheets cell by cell: value, formula, prefix, format, fill, wrap,
// alignments, merge.
std::string DescribeCell(const host::Cell& cell);

}  // namespace cwtest
