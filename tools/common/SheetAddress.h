// Absolute A1 addresses of sheet rectangles, written and read as Excel writes them. Pure.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/BlockChanges.h"

namespace blocks {

constexpr long kSheetRows = 1048576;
constexpr long kSheetColumns = 16384;

// "$B$2" for one cell, "$B$2:$D$9" for more; "$A:$C" for whole columns and "$2:$5" for whole rows, which
// ParseArea reads as the grid of Excel 2007 and later, so that they keep meaning the whole grid of Excel 2003.
std::wstring AddressOf(const BlockRect& rect);

// One area of an address as Range.Address gives it ("$B$2", "$B$2:$D$9", "$A:$C", "$2:$5"; the dollars may be
// left out); nothing for any other text.
std::optional<BlockRect> ParseArea(std::wstring_view address);

// An address cut at its commas into pieces of at most `longest` characters, each a whole list of areas, for
// Worksheet.Range, which takes 255 characters at most. An area longer than that stays a piece of its own.
std::vector<std::wstring> AddressPieces(std::wstring_view address, size_t longest = 255);

}  // namespace blocks
