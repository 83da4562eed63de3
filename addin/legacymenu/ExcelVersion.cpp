#include "addin/legacymenu/ExcelVersion.h"

ExcelVersionFlags ClassifyExcelVersion(std::wstring_view version) {
    ExcelVersionFlags flags;
    if (version.size() < 4) {
        flags.legacyMenu = true;
        flags.excel2000 = version.substr(0, 3) == L"9.0";
        return flags;
    }
    std::wstring_view first4 = version.substr(0, 4);
    if (first4 != L"12.0" && first4 != L"14.0") {
        flags.legacyMenu = true;
        flags.excel2000 = first4 == L"9.0.";
    }
    return flags;
}
