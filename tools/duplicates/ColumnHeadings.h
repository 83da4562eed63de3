// What "Choose Columns" lists: each column of the working range with the text it shows in the range's
// first row.
#pragma once

#include <string>
#include <vector>

#include "sheet/Range.h"

namespace duplicates {

struct ColumnHeading {
    std::wstring letters;       // "AB"
    std::wstring firstRowText;  // as Excel displays it
};

// None for a range of one cell. No row limit applies: whole columns list their columns.
std::vector<ColumnHeading> ReadColumnHeadings(const sheet::Range& workRange);

}  // namespace duplicates
