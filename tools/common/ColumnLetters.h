// Column letters of A1 references, as Excel writes them.
#pragma once

#include <string>
#include <string_view>

namespace blocks {

// 1 gives "A", 27 "AA", 16384 "XFD".
std::wstring ColumnLetters(long column);

// The column letters of a cell's absolute address: "$AB$7" gives "AB".
std::wstring ColumnLettersOfAddress(std::wstring_view address);

}  // namespace blocks
