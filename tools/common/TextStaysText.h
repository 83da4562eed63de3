// Writing a text back through Range.Value lets Excel parse it as if typed; these keep it a text.
#pragma once

#include <string>
#include <string_view>

// True when Excel could read the text as something other than text: a number, a percentage, a currency
// amount, a date or time, a boolean, an error value or a formula. Errs on the side of true; the only cost of
// a needless apostrophe is the apostrophe prefix of the cell.
bool ExcelMightReinterpret(std::wstring_view text);

// The text as a user would type it to keep it text: with a leading apostrophe where Excel might parse it.
// An empty text stays empty (writing it empties the cell).
std::wstring AsTypedText(std::wstring_view text);
