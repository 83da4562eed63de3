#include "host/excel/FormulaText.h"

#include "host/excel/DecimalDigits.h"
#include "host/excel/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace host {

namespace {

// Fifteen significant digits, trailing zeros dropped; scientific notation past what the formula bar shows
// in full ("1E+20", "1.5E-10").
std::wstring NumberText(double value) {
    if (value == 0) return L"0";
    DecimalDigits digits(value);
    std::string mantissa;
    int exponent = 0;
    digits.Significant(15, mantissa, exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string text;
    if (exponent >= 0 && exponent < 15) {
        text = mantissa.substr(0, std::min(mantissa.size(), size_t(exponent) + 1));
        text.append(size_t(exponent) + 1 - text.size(), '0');
        if (mantissa.size() > size_t(exponent) + 1) text += "." + mantissa.substr(size_t(exponent) + 1);
    } else if (exponent < 0 && exponent >= -9) {
        text = "0." + std::string(size_t(-exponent - 1), '0') + mantissa;
    } else {
        text = mantissa.substr(0, 1);
        if (mantissa.size() > 1) text += "." + mantissa.substr(1);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text += buffer;
    }
    return (value < 0 ? L"-" : L"") + std::wstring(text.begin(), text.end());
}

std::wstring DateText(double serial) {
    double day = std::floor(serial);
    const wchar_t* format = serial == day ? L"m/d/yyyy" : day == 0 ? L"h:mm:ss AM/PM" : L"m/d/yyyy h:mm:ss AM/PM";
    return FormatNumber(serial, format).value_or(NumberText(serial));
}

}  // namespace

std::wstring FormulaText(const Sheet::Stored* stored, const std::wstring& numberFormat) {
    if (!stored) return {};
    if (stored->hasFormula) {
        // The braces of an array formula belong to the formula bar's display, not to the formula.
        const std::wstring& formula = stored->formula;
        if (stored->hasArray && formula.size() > 2 && formula.front() == L'{' && formula.back() == L'}')
            return formula.substr(1, formula.size() - 2);
        return formula;
    }
    const CellValue& value = stored->value;
    switch (value.type) {
    case ValueType::Empty: return {};
    case ValueType::Text: return value.text;
    case ValueType::Boolean: return value.boolean ? L"TRUE" : L"FALSE";
    case ValueType::Error: return ErrorText(value.error);
    case ValueType::Number: break;
    }
    if (IsDateFormat(numberFormat) && value.number >= 0) return DateText(value.number);
    return NumberText(value.number);
}

}  // namespace host
