#pragma once

#include <cstddef>
#include <string>

// The text of a cell ends at its first NUL. A BSTR carries its own length and may hold NULs
// inside it, so callers pass the pointer with SysStringLen and get the text up to the first one.
// A null pointer is the empty text.
std::wstring TextUpToNul(const wchar_t* text, std::size_t length);
