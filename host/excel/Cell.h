// What one cell holds: its value, formula flags and format, as a test reads it.
#pragma once

#include "host/excel/ExcelConstants.h"

#include <windows.h>
#include <wtypes.h>

#include <optional>
#include <string>
#include <string_view>

namespace host {

enum class ValueType { Empty, Text, Number, Boolean, Error };

// A constant or a formula's last result. Dates and currency amounts are numbers; the number
// format decides whether Value hands them out as VT_DATE or VT_CY, as in Excel.
struct CellValue {
    ValueType type = ValueType::Empty;
    std::wstring text;
    double number = 0;
    bool boolean = false;
    int error = 0;  // a CVErr code such as xl::ErrDiv0

    static CellValue Empty() { return {}; }
    static CellValue Text(std::wstring text);
    static CellValue Number(double number);
    static CellValue Boolean(bool value);
    static CellValue Error(int code);

    bool IsEmpty() const { return type == ValueType::Empty; }
    friend bool operator==(const CellValue& a, const CellValue& b);
    friend bool operator!=(const CellValue& a, const CellValue& b) { return !(a == b); }
};

// "#DIV/0!" for 2007; empty for a code that is no error value.
std::wstring ErrorText(int code);
// 2007 for "#DIV/0!" (any letter case); nothing for other text.
std::optional<int> ErrorFromText(std::wstring_view text);
// The SCODE that carries an error value in a VT_ERROR VARIANT: 0x800A07D7 for 2007.
inline SCODE ErrorScode(int code) { return SCODE(0x800A0000u | unsigned(code)); }

// One cell as it stands, formats resolved.
struct Cell {
    CellValue value;
    bool hasFormula = false;
    std::wstring formula;   // "=A1+1" when hasFormula
    bool hasArray = false;  // part of an array formula
    bool prefixed = false;  // entered with a leading apostrophe (PrefixCharacter "'")
    std::wstring numberFormat = L"General";
    std::optional<COLORREF> interiorColor;  // no fill when empty
    long fillParts[4] = {};                 // of a fill: pattern, pattern colour, theme colour, tint
    bool wrapText = false;
    long horizontalAlignment = xl::HAlignGeneral;
    long verticalAlignment = xl::VAlignBottom;
    bool merged = false;

    ValueType Type() const { return value.type; }
    bool IsEmpty() const { return value.IsEmpty() && !hasFormula; }
};

}  // namespace host
