// CSV files (RFC 4180, UTF-8) in and out of a sheet, for fixtures and the demo.
//
// Import replaces the sheet's contents from A1. An unquoted field reads as if typed into the cell
// (numbers, dates, TRUE/FALSE, error values, "=" formulas); an empty unquoted field leaves the
// cell empty. A quoted field is text as written ("" is an empty text), except that a leading "="
// makes it a formula and a leading apostrophe marks the text as entered with one.
//
// Export writes A1 to the bottom-right corner of the used area, every record with the same
// number of fields, CRLF line ends: texts and formulas quoted, texts that start with "=" or an
// apostrophe (or had one) behind an apostrophe, numbers in full precision, numbers under a date
// format as "m/d/yyyy" (with " h:mm:ss" when they hold a time), TRUE/FALSE and error values as
// shown. Formats and formula results are not kept.
#pragma once

#include "host/excel/Sheet.h"

#include <stdexcept>
#include <string>

namespace host {

// Throws std::runtime_error when the file cannot be read, is not UTF-8 or has an unclosed quote.
void ImportCsv(Sheet& sheet, const std::wstring& path);
void ImportCsvText(Sheet& sheet, const std::wstring& text);

// Throws std::runtime_error when the file cannot be written.
void ExportCsv(const Sheet& sheet, const std::wstring& path);
std::wstring ExportCsvText(const Sheet& sheet);

}  // namespace host
