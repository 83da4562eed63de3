// What Application.Version tells the add-in about the Excel it runs in.
#pragma once

#include <string_view>

struct ExcelVersionFlags {
    bool legacyMenu = false;  // every version but Excel 2007 ("12.0") and 2010 ("14.0") gets the command-bar menu
    bool excel2000 = false;   // "9.0": the button faces need the clipboard saved around them
};

ExcelVersionFlags ClassifyExcelVersion(std::wstring_view version);
