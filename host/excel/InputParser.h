// How Excel reads a string written to a cell through Range.Value, as if typed: numbers (also
// "12%", "1E5", "1,234.5", "$12.50", "(12)", blanks around), dates and times ("1/31/2024",
// "2024-01-31", "31-Jan-2024", "13:45"), TRUE and FALSE, error values ("#N/A"), formulas ("=...",
// and "+..."/"-..." that are no numbers), text after an apostrophe, and the empty string.
#pragma once

#include "host/excel/Cell.h"

#include <optional>
#include <string>

namespace host {

struct ParsedInput {
    CellValue value;
    bool isFormula = false;
    std::wstring formula;
    bool prefixed = false;
    // The format Excel gives the cell with the entry ("0%", "m/d/yyyy"); only applied to a
    // cell still in General format.
    std::optional<std::wstring> numberFormat;
};

// `cellFormat` is the format of the cell written to: under "@" every entry stays text.
ParsedInput ParseInput(const std::wstring& text, const std::wstring& cellFormat);

// The number a plain numeric text stands for ("42", "-1.5E3", " 7 "), with Excel's cut to fifteen
// significant digits; nothing for other text. No percent, currency or thousands separators.
std::optional<double> ParsePlainNumber(const std::wstring& text);

}  // namespace host
