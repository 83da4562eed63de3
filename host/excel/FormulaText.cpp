#include "host/excel/FormulaText.h"

#include "host/excel/DateSerial.h"
#include "host/excel/DecimalDigits.h"
#include "host/excel/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace host {

namespace {

void AppendAscii(const char* text, size_t length, std::wstring& into) {
    for (size_t i = 0; i < length; ++i) into.push_back(static_cast<wchar_t>(text[i]));
}

// Fifteen significant digits, trailing zeros dropped; scientific notation past what the formula bar shows
// in full ("1E+20", "1.5E-10").
void AppendNumber(double value, std::wstring& into) {
    if (value == 0) {
        into.push_back(L'0');
        return;
    }
    if (value < 0) into.push_back(L'-');
    DecimalDigits digits(value);
    std::string mantissa;
    int exponent = 0;
    digits.Significant(15, mantissa, exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    const size_t length = mantissa.size();
    if (exponent >= 0 && exponent < 15) {
        const size_t integerDigits = size_t(exponent) + 1;
        AppendAscii(mantissa.data(), std::min(length, integerDigits), into);
        if (length < integerDigits) into.append(integerDigits - length, L'0');
        if (length > integerDigits) {
            into.push_back(L'.');
            AppendAscii(mantissa.data() + integerDigits, length - integerDigits, into);
        }
    } else if (exponent < 0 && exponent >= -9) {
        into.append(L"0.");
        into.append(size_t(-exponent - 1), L'0');
        AppendAscii(mantissa.data(), length, into);
    } else {
        into.push_back(static_cast<wchar_t>(mantissa[0]));
        if (length > 1) {
            into.push_back(L'.');
            AppendAscii(mantissa.data() + 1, length - 1, into);
        }
        char buffer[16];
        const int written =
            std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        AppendAscii(buffer, size_t(written), into);
    }
}

void AppendDate(double serial, std::wstring& into) {
    const double day = std::floor(serial);
    if (serial == day) {
        // The common case, m/d/yyyy, without going through the general formatter.
        if (const auto parts = DateFromSerial(serial)) {
            char buffer[24];
            const int written = std::snprintf(buffer, sizeof buffer, "%d/%d/%d", parts->month, parts->day, parts->year);
            AppendAscii(buffer, size_t(written), into);
            return;
        }
    }
    const wchar_t* format = serial == day ? L"m/d/yyyy" : day == 0 ? L"h:mm:ss AM/PM" : L"m/d/yyyy h:mm:ss AM/PM";
    if (const auto text = FormatNumber(serial, format)) {
        into.append(*text);
        return;
    }
    AppendNumber(serial, into);
}

}  // namespace

void FormulaTextInto(const Sheet::Stored* stored, bool dateFormat, std::wstring& into) {
    into.clear();
    if (!stored) return;
    if (stored->hasFormula) {
        // The braces of an array formula belong to the formula bar's display, not to the formula.
        const std::wstring& formula = stored->formula;
        if (stored->hasArray && formula.size() > 2 && formula.front() == L'{' && formula.back() == L'}')
            into.append(formula, 1, formula.size() - 2);
        else
            into.append(formula);
        return;
    }
    const CellValue& value = stored->value;
    switch (value.type) {
    case ValueType::Empty: return;
    case ValueType::Text: into.append(value.text); return;
    case ValueType::Boolean: into.append(value.boolean ? L"TRUE" : L"FALSE"); return;
    case ValueType::Error: into.append(ErrorText(value.error)); return;
    case ValueType::Number: break;
    }
    if (dateFormat && value.number >= 0)
        AppendDate(value.number, into);
    else
        AppendNumber(value.number, into);
}

}  // namespace host
