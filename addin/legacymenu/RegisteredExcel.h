// Excel as the registry describes it, read without starting it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The major version of the Excel that "Excel.Application" stands for: the number that ends its CurVer
// ("Excel.Application.11" gives 11). Nothing when Excel is not registered or names no version.
std::optional<int> RegisteredExcelMajor();

// The file name of the program that serves the class ("EXCEL.EXE"), from its LocalServer32 command line in
// either registry view; empty when the registry does not say.
std::wstring LocalServerFileName(const CLSID& clsid);
