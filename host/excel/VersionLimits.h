// What one version of Excel holds: the sheet's grid, the characters of a cell and of a formula.
#pragma once

#include "host/excel/Area.h"

#include "host/excel/ExcelConstants.h"

#include <cstddef>
#include <string_view>

namespace host {

struct VersionLimits {
    SheetSize sheet;
    // Every version from Excel 97 on.
    std::size_t cellText = xl::MaxCellTextLength;
    // 8,192 from Excel 2007, 1,024 before.
    std::size_t formula = 8192;

    // By Application.Version ("11.0", "14.0"): before 12.0 the limits of Excel 2003, else those of today.
    static VersionLimits Of(std::wstring_view version);
};

}  // namespace host
