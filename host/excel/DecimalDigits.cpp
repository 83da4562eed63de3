#include "host/excel/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace host {

DecimalDigits::DecimalDigits(double value) {
    value = std::fabs(value);
    if (!(value > 0) || !std::isfinite(value)) return;
    char buffer[40];
    // Correctly rounded from the double's exact value, as printf's "%.14e" gives it, without printf's cost.
    const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    // "d.dddddddddddddde+XX"
    m_digits.push_back(buffer[0]);
    for (int i = 2; i < 16; ++i) m_digits.push_back(buffer[i]);
    m_exponent = std::atoi(buffer + 17);
    m_zero = false;
}

void DecimalDigits::Round(int count, std::string& digits, int& exponent) const {
    exponent = m_exponent;
    if (count <= 0) {
        // Everything is rounded away, unless the first dropped digit carries into a new one.
        if (count == 0 && m_digits[0] >= '5') {
            digits = "1";
            exponent = m_exponent + 1;
        } else {
            digits.clear();
        }
        return;
    }
    if (count >= int(m_digits.size())) {
        digits = m_digits;
        digits.append(size_t(count) - m_digits.size(), '0');
        return;
    }
    digits = m_digits.substr(0, size_t(count));
    if (m_digits[size_t(count)] >= '5') {
        int i = count - 1;
        while (i >= 0 && digits[size_t(i)] == '9') {
            digits[size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[size_t(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
}

void DecimalDigits::Fixed(int decimals, std::string& integerDigits, std::string& fractionDigits) const {
    integerDigits = "0";
    fractionDigits.assign(size_t(decimals > 0 ? decimals : 0), '0');
    if (m_zero) return;
    std::string digits;
    int exponent = 0;
    Round(m_exponent + 1 + decimals, digits, exponent);
    if (digits.empty()) return;
    // digits stand for d.ddd × 10^exponent; the first exponent+1 of them are the integer part.
    int integerCount = exponent + 1;
    std::string all;
    if (integerCount <= 0) {
        all.assign(size_t(-integerCount), '0');
        all += digits;
        integerDigits = "0";
        all.resize(size_t(decimals), '0');
        fractionDigits = all;
        return;
    }
    if (int(digits.size()) < integerCount + decimals)
        digits.append(size_t(integerCount + decimals) - digits.size(), '0');
    integerDigits = digits.substr(0, size_t(integerCount));
    fractionDigits = digits.substr(size_t(integerCount), size_t(decimals));
}

void DecimalDigits::Significant(int significant, std::string& digits, int& exponent) const {
    if (m_zero) {
        digits.assign(size_t(significant), '0');
        exponent = 0;
        return;
    }
    Round(significant, digits, exponent);
}

}  // namespace host
