// Excel number format codes ("General", "0.00", "#,##0", "0%", "0.00E+00", "m/d/yyyy",
// "dd/mm/yyyy h:mm", "$#,##0.00", "@", sections separated by ";") applied to values.
#pragma once

#include <optional>
#include <string>

namespace host {

// Width of a text in digit widths of the standard font, the unit of Range.ColumnWidth: digits,
// letters and most signs count 1, narrow punctuation (. , : ; / - ' ( ) ! | and the blank) 1/2.
double DisplayWidth(const std::wstring& text);

// Excel's General display of a number: at most eleven characters besides a minus sign, fixed
// notation with up to ten significant digits (eleven for whole numbers), scientific notation
// ("1.23457E+11") for numbers of twelve or more digits and for small numbers whose digits would
// not fit; within a column `width` wide (see DisplayWidth) with fewer digits. Nothing when even
// the shortest form does not fit.
std::optional<std::wstring> FormatGeneral(double value, double width = 1e9);

// The number as the format shows it, without a width limit. Nothing when the format cannot show
// the value (a negative number or one past 9999 under a date format), where Excel fills the
// cell with "#".
std::optional<std::wstring> FormatNumber(double value, const std::wstring& format);

// A text under the format's text section ("@"), or the text itself when the format has none.
std::wstring FormatText(const std::wstring& text, const std::wstring& format);

bool IsGeneralFormat(const std::wstring& format);
// Day, month, year, hour, minute or second codes outside quotes.
bool IsDateFormat(const std::wstring& format);
// A currency symbol outside quotes ("$", a bracketed "[$€-407]", "£", "€", "¥").
bool IsCurrencyFormat(const std::wstring& format);
// The text format "@": entries keep their text.
bool IsTextFormat(const std::wstring& format);

}  // namespace host
