// Writing a text back through Range.Value lets Excel parse it as if typed; these keep it a text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// True when Excel could read the text as something other than text: a number, a percentage, a currency
// amount, a date or time, a boolean, an error value or a formula. Errs on the side of true; the only cost of
// a needless apostrophe is the apostrophe prefix of the cell.
bool ExcelMightReinterpret(std::wstring_view text);

// The text as a user would type it to keep it text: with a leading apostrophe where Excel might parse it.
// An empty text stays empty (writing it empties the cell).
std::wstring AsTypedText(std::wstring_view text);

// Excel keeps at most this many characters in a cell.
constexpr std::size_t kCellTextLimit = 32767;

// True when Excel reads the text as nothing but text: it holds a run of letters longer than any month, day or
// word Excel parses, and does not begin with a character that makes it a formula, an error value or a prefix.
bool ExcelReadsOnlyAsText(std::wstring_view text);

// The text as written back so that the cell holds exactly it, within a cell's limit: as AsTypedText where that
// fits; without the apostrophe where it would not fit and Excel reads the text as nothing else; none where
// the text cannot be kept text (the cell is then left as it is).
std::optional<std::wstring> TypedTextWithinLimit(std::wstring text);
