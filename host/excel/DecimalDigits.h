// A double as Excel shows it: fifteen significant decimal digits, rounded half away from zero.
#pragma once

#include <string>

namespace host {

class DecimalDigits {
public:
    // Takes the magnitude of value; the sign is the caller's.
    explicit DecimalDigits(double value);

    bool IsZero() const { return m_zero; }
    // Position of the first significant digit: 0 for 1.5 (1.5e0), -3 for 0.00123, 11 for 1.2e11.
    int Exponent() const { return m_exponent; }

    // Fixed notation rounded to the given number of decimals: integer digits ("0" when there are
    // none) and exactly `decimals` fraction digits.
    void Fixed(int decimals, std::string& integerDigits, std::string& fractionDigits) const;
    // The value rounded to `significant` digits: the digits and the exponent of the first one.
    void Significant(int significant, std::string& digits, int& exponent) const;

private:
    // Rounds m_digits to keep `count` digits; returns the digits and the exponent after any carry.
    void Round(int count, std::string& digits, int& exponent) const;

    bool m_zero = true;
    std::string m_digits;  // 15 significant digits, d.dddd × 10^m_exponent
    int m_exponent = 0;
};

}  // namespace host
