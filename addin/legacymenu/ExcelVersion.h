// What Application.Version tells the add-in about the Excel it runs in.
#pragma once

#include <optional>
#include <string_view>

struct ExcelVersionFlags {
    // Excel 2000 to 2003 ("9.0" to "11.0") get the command-bar menu; 2007 and later the ribbon only.
    bool legacyMenu = false;
    bool excel2000 = false;  // "9.0": the button faces need the clipboard saved around them
};

// A version text that cannot be read ("", "abc") gets the menu: an Excel that will not say what it is may
// be an old one, and the ribbon needs no help from the add-in where there is one.
ExcelVersionFlags ClassifyExcelVersion(std::wstring_view version);

// The major number of a version text such as "11.0" or "16.0.17928"; nothing unless it starts with digits,
// a point and a digit.
std::optional<int> ExcelMajorVersion(std::wstring_view version);

// Excel 2000, 2002 and 2003 (9, 10, 11): the versions with command bars and no ribbon.
constexpr bool IsMenuVersion(int major) { return major >= 9 && major <= 11; }
