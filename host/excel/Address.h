// A1 references as Excel writes and reads them: "$A$1", "$A$1:$C$3,$E$5", "$A:$A", "$1:$1",
// R1C1 forms, and the external "[Book1]Sheet1!" prefix.
#pragma once

#include "host/excel/Area.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

enum class ReferenceStyle : long { A1 = 1, R1C1 = -4150 };

// The arguments of Range.Address.
struct AddressOptions {
    bool rowAbsolute = true;
    bool columnAbsolute = true;
    ReferenceStyle style = ReferenceStyle::A1;
    bool external = false;
    // Origin of relative R1C1 references.
    long relativeToRow = 1;
    long relativeToColumn = 1;
    std::wstring workbookName;
    std::wstring sheetName;
    // An area over all the grid's rows is written as columns ("$A:$C"), over all its columns as rows.
    SheetSize sheetSize;
};

struct Reference {
    std::wstring sheetName;  // empty when the text names no sheet
    std::vector<Area> areas;
};

// "A" for 1, "XFD" for 16384; empty outside the sheet.
std::wstring ColumnLetters(long column);
// 1 for "A" or "a", 16384 for "XFD"; 0 when the text is not a column of the sheet.
long ColumnFromLetters(std::wstring_view letters);

// Reads an A1 reference of one or more comma-separated areas, optionally prefixed by a sheet
// ("Sheet1!", "'My Sheet'!", "[Book1]Sheet1!"). Corners may come in any order. Dollar signs and
// letter case do not matter. Gives nothing for text that is not such a reference, or that reaches past
// the sheet's grid; whole columns and rows span the grid.
std::optional<Reference> ParseReference(std::wstring_view text, const SheetSize& size = kSheetOfExcel2007);

std::wstring FormatAddress(const std::vector<Area>& areas, const AddressOptions& options);

// A sheet name as it stands before "!": quoted when it holds anything beyond letters, digits,
// underscores and periods.
std::wstring QuoteSheetName(const std::wstring& name);

}  // namespace host
