#include "host/excel/InputParser.h"

#include "host/excel/DateSerial.h"
#include "host/excel/NumberFormat.h"

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <vector>

namespace host {

namespace {

const wchar_t* const kMonthNames[] = {L"jan", L"feb", L"mar", L"apr", L"may", L"jun",
                                      L"jul", L"aug", L"sep", L"oct", L"nov", L"dec"};

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring Trim(const std::wstring& text) {
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

std::wstring Lower(std::wstring text) {
    for (auto& c : text) c = wchar_t(std::towlower(c));
    return text;
}

// Digits with an optional point and exponent, cut to fifteen significant digits as Excel keeps them.
std::optional<double> DigitsToNumber(const std::wstring& mantissa, const std::wstring& exponent) {
    std::string digits;
    int significant = 0;
    bool seenNonZero = false;
    bool any = false;
    for (wchar_t c : mantissa) {
        if (c == L'.') {
            digits += '.';
            continue;
        }
        if (!IsDigit(c)) return std::nullopt;
        any = true;
        if (c != L'0') seenNonZero = true;
        if (seenNonZero) ++significant;
        digits += significant > 15 ? '0' : char(c);
    }
    if (!any) return std::nullopt;
    std::string text = digits;
    if (!exponent.empty()) text += "e" + std::string(exponent.begin(), exponent.end());
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value) || std::fabs(value) > 9.99999999999999E+307) {
        return std::nullopt;
    }
    return value;
}

struct NumberReading {
    double value = 0;
    std::optional<std::wstring> format;
};

std::optional<NumberReading> ReadNumber(const std::wstring& input) {
    std::wstring s = Trim(input);
    if (s.empty()) return std::nullopt;
    bool negative = false;
    bool parentheses = false;
    bool currency = false;
    bool percent = false;
    if (s.front() == L'(' && s.back() == L')') {
        parentheses = true;
        s = Trim(s.substr(1, s.size() - 2));
    }
    auto takeSign = [&]() {
        if (!s.empty() && (s.front() == L'-' || s.front() == L'+')) {
            if (s.front() == L'-') negative = !negative;
            s.erase(0, 1);
            return true;
        }
        return false;
    };
    bool signed1 = takeSign();
    if (!s.empty() && s.front() == L'$') {
        currency = true;
        s.erase(0, 1);
        if (!signed1) takeSign();
    }
    if (!s.empty() && s.back() == L'%') {
        percent = true;
        s.pop_back();
    }
    if (parentheses && (signed1 || negative)) return std::nullopt;
    if (parentheses) negative = true;
    if (s.empty()) return std::nullopt;

    // Mantissa, then an exponent.
    size_t e = s.find_first_of(L"eE");
    std::wstring mantissa = s.substr(0, e);
    std::wstring exponent;
    if (e != std::wstring::npos) {
        exponent = s.substr(e + 1);
        if (exponent.empty() || currency || percent) return std::nullopt;
        size_t start = (exponent[0] == L'+' || exponent[0] == L'-') ? 1 : 0;
        if (start == exponent.size()) return std::nullopt;
        for (size_t i = start; i < exponent.size(); ++i) {
            if (!IsDigit(exponent[i])) return std::nullopt;
        }
    }
    // Thousands separators: groups of three in the integer part.
    bool grouped = false;
    std::wstring plain;
    {
        size_t point = mantissa.find(L'.');
        std::wstring integerPart = mantissa.substr(0, point);
        std::wstring rest = point == std::wstring::npos ? L"" : mantissa.substr(point);
        if (integerPart.find(L',') != std::wstring::npos) {
            if (!exponent.empty()) return std::nullopt;
            size_t firstComma = integerPart.find(L',');
            if (firstComma == 0 || firstComma > 3) return std::nullopt;
            for (size_t i = firstComma; i < integerPart.size(); i += 4) {
                if (integerPart[i] != L',' || i + 4 > integerPart.size()) return std::nullopt;
            }
            grouped = true;
            for (wchar_t c : integerPart) {
                if (c != L',') plain += c;
            }
        } else {
            plain = integerPart;
        }
        plain += rest;
    }
    if (plain.find(L'.') != plain.rfind(L'.')) return std::nullopt;
    auto number = DigitsToNumber(plain, exponent);
    if (!number) return std::nullopt;
    bool decimals = plain.find(L'.') != std::wstring::npos && plain.find(L'.') + 1 < plain.size();

    NumberReading reading;
    reading.value = negative ? -*number : *number;
    if (percent) {
        reading.value /= 100;
        reading.format = decimals ? L"0.00%" : L"0%";
    } else if (currency) {
        reading.format = decimals ? L"$#,##0.00" : L"$#,##0";
    } else if (!exponent.empty()) {
        reading.format = L"0.00E+00";
    } else if (grouped) {
        reading.format = decimals ? L"#,##0.00" : L"#,##0";
    }
    return reading;
}

int CurrentYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

bool ReadInt(const std::wstring& s, int& value, size_t minDigits = 1, size_t maxDigits = 4) {
    if (s.size() < minDigits || s.size() > maxDigits) return false;
    value = 0;
    for (wchar_t c : s) {
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - L'0');
    }
    return true;
}

int FullYear(int year, size_t digits) {
    if (digits <= 2) return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

int MonthFromName(const std::wstring& name) {
    std::wstring lower = Lower(name);
    if (lower.size() < 3) return 0;
    for (int m = 0; m < 12; ++m) {
        if (lower.compare(0, 3, kMonthNames[m]) == 0) return m + 1;
    }
    return 0;
}

std::vector<std::wstring> SplitOn(const std::wstring& s, wchar_t separator) {
    std::vector<std::wstring> parts(1);
    for (wchar_t c : s) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

struct DateReading {
    double serial = 0;
    std::wstring format;
};

std::optional<DateReading> ReadDate(const std::wstring& s) {
    auto make = [](int y, int m, int d, const wchar_t* format) -> std::optional<DateReading> {
        auto serial = SerialFromDate(y, m, d);
        if (!serial) return std::nullopt;
        return DateReading{*serial, format};
    };
    for (wchar_t separator : {L'/', L'-'}) {
        auto parts = SplitOn(s, separator);
        if (parts.size() < 2 || parts.size() > 3) continue;
        int a = 0;
        int b = 0;
        int c = 0;
        if (parts.size() == 3 && ReadInt(parts[0], a, 4, 4) && ReadInt(parts[1], b, 1, 2) &&
            ReadInt(parts[2], c, 1, 2)) {
            return make(a, b, c, L"m/d/yyyy");  // 2024-01-31
        }
        if (parts.size() == 3 && ReadInt(parts[0], a, 1, 2) && ReadInt(parts[1], b, 1, 2) &&
            (ReadInt(parts[2], c, 1, 2) || ReadInt(parts[2], c, 4, 4))) {
            return make(FullYear(c, parts[2].size()), a, b, L"m/d/yyyy");  // 1/31/2024
        }
        if (parts.size() == 2 && separator == L'/' && ReadInt(parts[0], a, 1, 2) && ReadInt(parts[1], b, 1, 2)) {
            return make(CurrentYear(), a, b, L"d-mmm");  // 1/31
        }
        if (ReadInt(parts[0], a, 1, 2) && MonthFromName(parts[1])) {
            int month = MonthFromName(parts[1]);
            if (parts.size() == 2) return make(CurrentYear(), month, a, L"d-mmm");
            if (ReadInt(parts[2], c, 1, 2) || ReadInt(parts[2], c, 4, 4)) {
                return make(FullYear(c, parts[2].size()), month, a, L"d-mmm-yy");  // 31-Jan-2024
            }
        }
    }
    // "Jan 31, 2024" and "31 Jan 2024"
    auto words = SplitOn(s, L' ');
    if (words.size() == 3) {
        int day = 0;
        int year = 0;
        std::wstring first = words[1];
        if (!first.empty() && first.back() == L',') first.pop_back();
        if (MonthFromName(words[0]) && ReadInt(first, day, 1, 2) && ReadInt(words[2], year, 4, 4)) {
            return make(year, MonthFromName(words[0]), day, L"d-mmm-yy");
        }
        if (ReadInt(words[0], day, 1, 2) && MonthFromName(words[1]) && ReadInt(words[2], year, 4, 4)) {
            return make(year, MonthFromName(words[1]), day, L"d-mmm-yy");
        }
    }
    return std::nullopt;
}

struct TimeReading {
    double fraction = 0;
    std::wstring format;
};

std::optional<TimeReading> ReadTime(std::wstring s) {
    s = Lower(Trim(s));
    bool twelveHour = false;
    bool pm = false;
    for (const wchar_t* suffix : {L"am", L"pm", L"a", L"p"}) {
        std::wstring tail(suffix);
        if (s.size() > tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0) {
            twelveHour = true;
            pm = tail[0] == L'p';
            s = Trim(s.substr(0, s.size() - tail.size()));
            break;
        }
    }
    auto parts = SplitOn(s, L':');
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!ReadInt(parts[0], hour, 1, 2) || !ReadInt(parts[1], minute, 1, 2)) return std::nullopt;
    if (parts.size() == 3 && !ReadInt(parts[2], second, 1, 2)) return std::nullopt;
    if (minute > 59 || second > 59) return std::nullopt;
    if (twelveHour) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    TimeReading reading;
    reading.fraction = SerialFromTime(hour, minute, second);
    reading.format = parts.size() == 3 ? L"h:mm:ss" : L"h:mm";
    if (twelveHour) reading.format += L" AM/PM";
    return reading;
}

std::optional<NumberReading> ReadDateTime(const std::wstring& input) {
    std::wstring s = Trim(input);
    if (s.empty()) return std::nullopt;
    if (auto time = ReadTime(s)) return NumberReading{time->fraction, time->format};
    if (auto date = ReadDate(s)) return NumberReading{date->serial, date->format};
    // A date followed by a time.
    size_t space = s.find(L' ');
    while (space != std::wstring::npos) {
        auto date = ReadDate(s.substr(0, space));
        auto time = ReadTime(s.substr(space + 1));
        if (date && time) return NumberReading{date->serial + time->fraction, std::wstring(L"m/d/yyyy h:mm")};
        space = s.find(L' ', space + 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> ParsePlainNumber(const std::wstring& text) {
    std::wstring s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s[0] == L'-' || s[0] == L'+')) {
        negative = s[0] == L'-';
        s.erase(0, 1);
    }
    size_t e = s.find_first_of(L"eE");
    std::wstring exponent = e == std::wstring::npos ? L"" : s.substr(e + 1);
    if (e != std::wstring::npos) {
        size_t start = (!exponent.empty() && (exponent[0] == L'+' || exponent[0] == L'-')) ? 1 : 0;
        if (start >= exponent.size()) return std::nullopt;
        for (size_t i = start; i < exponent.size(); ++i) {
            if (!IsDigit(exponent[i])) return std::nullopt;
        }
    }
    std::wstring mantissa = s.substr(0, e);
    if (mantissa.find(L'.') != mantissa.rfind(L'.')) return std::nullopt;
    auto value = DigitsToNumber(mantissa, exponent);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

ParsedInput ParseInput(const std::wstring& text, const std::wstring& cellFormat) {
    ParsedInput parsed;
    if (text.empty()) return parsed;
    if (text[0] == L'\'') {
        parsed.value = CellValue::Text(text.substr(1));
        parsed.prefixed = true;
        return parsed;
    }
    if (IsTextFormat(cellFormat)) {
        parsed.value = CellValue::Text(text);
        return parsed;
    }
    if (text[0] == L'=' && text.size() > 1) {
        parsed.isFormula = true;
        parsed.formula = text;
        return parsed;
    }
    std::wstring trimmed = Trim(text);
    std::wstring lower = Lower(trimmed);
    if (lower == L"true" || lower == L"false") {
        parsed.value = CellValue::Boolean(lower == L"true");
        return parsed;
    }
    if (auto error = ErrorFromText(trimmed)) {
        parsed.value = CellValue::Error(*error);
        return parsed;
    }
    if (auto number = ReadNumber(text)) {
        parsed.value = CellValue::Number(number->value);
        parsed.numberFormat = number->format;
        return parsed;
    }
    if (auto date = ReadDateTime(text)) {
        parsed.value = CellValue::Number(date->value);
        parsed.numberFormat = date->format;
        return parsed;
    }
    // Excel takes a leading plus or minus as the start of a formula.
    if ((text[0] == L'+' || text[0] == L'-') && text.size() > 1) {
        parsed.isFormula = true;
        parsed.formula = L"=" + text;
        return parsed;
    }
    parsed.value = CellValue::Text(text);
    return parsed;
}

}  // namespace host
