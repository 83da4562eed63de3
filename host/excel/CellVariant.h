// Cell values crossing the automation boundary: what Range.Value hands out for a cell and how a
// VARIANT written to Range.Value becomes cell content.
#pragma once

#include "host/excel/InputParser.h"
#include "host/excel/Sheet.h"
#include "host/excel/Variant.h"
#include "host/excel/VersionLimits.h"

namespace host {

// VT_EMPTY, VT_BSTR, VT_BOOL, VT_ERROR (0x800A0000 + CVErr code), or for a number VT_R8, VT_DATE
// under a date format, VT_CY under a currency format. `value2` gives numbers as VT_R8 always.
// A formula without a known result reads as the empty string.
Variant CellToVariant(const Sheet::Stored* stored, const std::wstring& numberFormat, bool value2);

// A VARIANT written to one cell whose format is `cellFormat`; a string is read by the rules of `locale`.
// Byref values are followed. Throws ExcelError for values a cell cannot hold (objects, arrays, texts over
// 32,767 characters, formulas longer than the version takes).
ParsedInput InputFromVariant(const VARIANT& value, const std::wstring& cellFormat, const InputLocale& locale,
                             const VersionLimits& limits);

}  // namespace host
