// How Excel reads a string written to a cell through Range.Value, as if typed: numbers (also
// "12%", "1E5", "1,234.5", "$12.50", "(12)", blanks around), dates and times ("1/31/2024",
// "2024-01-31", "31-Jan-2024", "Mar 5", "May 2024", "13:45"), TRUE and FALSE, error values ("#N/A"),
// formulas ("=...", and "+..."/"-..." that are no numbers), text after an apostrophe, and the empty
// string. Excel reads by the language of the call: English (United States) as above, or German
// ("1.234,5", "12,50 €", "31.1.2024", "31.1.", "5. Dez", "Mai 2024", WAHR and FALSCH).
#pragma once

#include "host/excel/Cell.h"

#include <windows.h>

#include <optional>
#include <string>

namespace host {

// The rules of one language for reading an entry.
struct InputLocale {
    wchar_t decimalSeparator;
    wchar_t groupSeparator;
    const wchar_t* trueWord;  // upper case; read in any case
    const wchar_t* falseWord;
    const wchar_t* currency;
    bool currencyAfter;  // "12,50 €" rather than "$12.50"
    bool dayFirst;       // 31.1.2024 rather than 1/31/2024
    const wchar_t* dateSeparators;
    // For each month the three letters its names begin with, lower case, "|" between two ("m\u00E4r|mrz"):
    // a word that begins with them names the month.
    const wchar_t* const* monthNames;

    static const InputLocale& EnglishUnitedStates();
    static const InputLocale& German();
    // German for every German locale, English (United States) for every other.
    static const InputLocale& For(LCID locale);
};

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
ParsedInput ParseInput(const std::wstring& text, const std::wstring& cellFormat,
                       const InputLocale& locale = InputLocale::EnglishUnitedStates());

// The number a plain numeric text stands for ("42", "-1.5E3", " 7 "), with Excel's cut to fifteen
// significant digits; nothing for other text. No percent, currency or thousands separators.
std::optional<double> ParsePlainNumber(const std::wstring& text);

}  // namespace host
