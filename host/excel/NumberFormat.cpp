#include "host/excel/NumberFormat.h"

#include "host/excel/DateSerial.h"
#include "host/excel/DecimalDigits.h"

#include <cmath>
#include <cwctype>
#include <map>
#include <memory>
#include <vector>

namespace host {

namespace {

enum class TokenKind { Literal, Digit, Point, Comma, Percent, Exponent, At, General, Date, AmPm };

struct Token {
    TokenKind kind;
    std::wstring text;  // literal text, date code ("yyyy", "mm", "M" for minutes, "[h]", ".00")
    wchar_t ch = 0;     // digit placeholder '0' '#' '?', or the exponent's sign
};

struct Section {
    std::vector<Token> tokens;
    bool date = false;
    bool at = false;
    bool digits = false;
    bool general = false;
    bool currency = false;
    bool twelveHour = false;
};

const wchar_t* const kMonths[] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                  L"July",    L"August",   L"September", L"October", L"November", L"December"};
const wchar_t* const kDays[] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};

bool StartsWithNoCase(const std::wstring& text, size_t at, const wchar_t* word) {
    for (size_t i = 0; word[i]; ++i) {
        if (at + i >= text.size() || std::towlower(text[at + i]) != std::towlower(word[i])) return false;
    }
    return true;
}

std::vector<std::wstring> SplitSections(const std::wstring& format) {
    std::vector<std::wstring> sections(1);
    bool quoted = false;
    bool bracket = false;
    for (size_t i = 0; i < format.size(); ++i) {
        wchar_t c = format[i];
        if (quoted) {
            if (c == L'"') quoted = false;
        } else if (bracket) {
            if (c == L']') bracket = false;
        } else if (c == L'"') {
            quoted = true;
        } else if (c == L'[') {
            bracket = true;
        } else if (c == L'\\' && i + 1 < format.size()) {
            sections.back() += c;
            c = format[++i];
        } else if (c == L';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

bool IsDateLetter(wchar_t c) {
    c = wchar_t(std::towlower(c));
    return c == L'y' || c == L'm' || c == L'd' || c == L'h' || c == L's';
}

Section ParseSection(const std::wstring& text) {
    Section section;
    auto literal = [&](std::wstring s) {
        if (!section.tokens.empty() && section.tokens.back().kind == TokenKind::Literal) {
            section.tokens.back().text += s;
        } else {
            section.tokens.push_back({TokenKind::Literal, std::move(s)});
        }
    };
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'"') {
            size_t end = text.find(L'"', i + 1);
            if (end == std::wstring::npos) end = text.size();
            literal(text.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == L'\\') {
            if (i + 1 < text.size()) literal(std::wstring(1, text[++i]));
        } else if (c == L'_') {
            ++i;
            literal(L" ");
        } else if (c == L'*') {
            ++i;  // fill character: the stand-in pads nothing
        } else if (c == L'[') {
            size_t end = text.find(L']', i);
            if (end == std::wstring::npos) end = text.size();
            std::wstring inside = text.substr(i + 1, end - i - 1);
            i = end;
            std::wstring lower;
            for (wchar_t ch : inside) lower += wchar_t(std::towlower(ch));
            if (!lower.empty() && lower.find_first_not_of(lower[0]) == std::wstring::npos &&
                (lower[0] == L'h' || lower[0] == L'm' || lower[0] == L's')) {
                section.tokens.push_back({TokenKind::Date, L"[" + std::wstring(1, lower[0]) + L"]"});
                section.date = true;
            } else if (!inside.empty() && inside[0] == L'$') {
                std::wstring symbol = inside.substr(1, inside.find(L'-') - 1);
                if (!symbol.empty()) {
                    literal(symbol);
                    section.currency = true;
                }
            }
            // colours and conditions change nothing in the text
        } else if (c == L'0' || c == L'#' || c == L'?') {
            section.tokens.push_back({TokenKind::Digit, {}, c});
            section.digits = true;
        } else if (c == L'.') {
            bool afterSeconds = !section.tokens.empty() && section.tokens.back().kind == TokenKind::Date &&
                                (section.tokens.back().text[0] == L's' || section.tokens.back().text == L"[s]");
            if (afterSeconds && i + 1 < text.size() && text[i + 1] == L'0') {
                std::wstring code = L".";
                while (i + 1 < text.size() && text[i + 1] == L'0') {
                    code += L'0';
                    ++i;
                }
                section.tokens.push_back({TokenKind::Date, code});
            } else {
                section.tokens.push_back({TokenKind::Point, {}});
            }
        } else if (c == L',') {
            section.tokens.push_back({TokenKind::Comma, {}});
        } else if (c == L'%') {
            section.tokens.push_back({TokenKind::Percent, L"%"});
        } else if ((c == L'E' || c == L'e') && i + 1 < text.size() && (text[i + 1] == L'+' || text[i + 1] == L'-')) {
            Token token{TokenKind::Exponent, std::wstring(1, c), text[i + 1]};
            i += 2;
            std::wstring zeros;
            while (i < text.size() && (text[i] == L'0' || text[i] == L'#')) {
                if (text[i] == L'0') zeros += L'0';
                ++i;
            }
            --i;
            token.text += zeros;  // "E" then the exponent's minimum digits as zeros
            section.tokens.push_back(token);
            section.digits = true;
        } else if (c == L'@') {
            section.tokens.push_back({TokenKind::At, {}});
            section.at = true;
        } else if (StartsWithNoCase(text, i, L"General")) {
            section.tokens.push_back({TokenKind::General, {}});
            section.general = true;
            i += 6;
        } else if (StartsWithNoCase(text, i, L"AM/PM")) {
            section.tokens.push_back({TokenKind::AmPm, text.substr(i, 5)});
            section.twelveHour = true;
            i += 4;
        } else if (StartsWithNoCase(text, i, L"A/P")) {
            section.tokens.push_back({TokenKind::AmPm, text.substr(i, 3)});
            section.twelveHour = true;
            i += 2;
        } else if (IsDateLetter(c)) {
            wchar_t lower = wchar_t(std::towlower(c));
            std::wstring code;
            while (i < text.size() && std::towlower(text[i]) == lower) {
                code += lower;
                ++i;
            }
            --i;
            section.tokens.push_back({TokenKind::Date, code});
            section.date = true;
        } else {
            if (c == L'$' || c == 0x20AC || c == 0xA3 || c == 0xA5) section.currency = true;
            literal(std::wstring(1, c));
        }
    }
    // "m" and "mm" next to hours or seconds are minutes.
    std::vector<size_t> dates;
    for (size_t i = 0; i < section.tokens.size(); ++i) {
        if (section.tokens[i].kind == TokenKind::Date) dates.push_back(i);
    }
    for (size_t k = 0; k < dates.size(); ++k) {
        Token& token = section.tokens[dates[k]];
        if (token.text != L"m" && token.text != L"mm") continue;
        bool afterHour =
            k > 0 && (section.tokens[dates[k - 1]].text[0] == L'h' || section.tokens[dates[k - 1]].text == L"[h]");
        bool beforeSecond = k + 1 < dates.size() && (section.tokens[dates[k + 1]].text[0] == L's' ||
                                                     section.tokens[dates[k + 1]].text == L"[s]");
        if (afterHour || beforeSecond) token.text = token.text == L"m" ? L"M" : L"MM";
    }
    return section;
}

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// A format's sections as parsed, kept as Excel keeps a workbook's formats: a sheet holds few of them, and each
// cell's value is shown through one.
std::shared_ptr<const std::vector<Section>> SectionsOf(const std::wstring& format) {
    thread_local std::map<std::wstring, std::shared_ptr<const std::vector<Section>>> parsed;
    auto found = parsed.find(format);
    if (found != parsed.end()) return found->second;
    if (parsed.size() >= 512) parsed.clear();
    auto sections = std::make_shared<std::vector<Section>>();
    for (const auto& text : SplitSections(format)) sections->push_back(ParseSection(text));
    return parsed.emplace(format, std::move(sections)).first->second;
}

std::wstring TwoDigits(int n) {
    wchar_t buffer[8];
    swprintf(buffer, 8, L"%02d", n);
    return buffer;
}

std::optional<std::wstring> FormatDate(const Section& section, double serial) {
    int fractionDigits = 0;
    for (const auto& t : section.tokens) {
        if (t.kind == TokenKind::Date && t.text[0] == L'.') fractionDigits = int(t.text.size()) - 1;
    }
    double unit = 86400.0 * std::pow(10.0, fractionDigits);
    double rounded = std::round(serial * unit) / unit;
    auto parts = DateFromSerial(rounded);
    if (!parts) return std::nullopt;
    std::wstring out;
    for (const auto& t : section.tokens) {
        switch (t.kind) {
        case TokenKind::Date: {
            const std::wstring& c = t.text;
            int hour12 = parts->hour % 12 == 0 ? 12 : parts->hour % 12;
            int hour = section.twelveHour ? hour12 : parts->hour;
            if (c == L"y" || c == L"yy")
                out += TwoDigits(parts->year % 100);
            else if (c[0] == L'y')
                out += std::to_wstring(parts->year);
            else if (c == L"m")
                out += std::to_wstring(parts->month);
            else if (c == L"mm")
                out += TwoDigits(parts->month);
            else if (c == L"mmm")
                out += std::wstring(kMonths[parts->month - 1]).substr(0, 3);
            else if (c == L"mmmmm")
                out += std::wstring(kMonths[parts->month - 1]).substr(0, 1);
            else if (c[0] == L'm')
                out += kMonths[parts->month - 1];
            else if (c == L"d")
                out += std::to_wstring(parts->day);
            else if (c == L"dd")
                out += TwoDigits(parts->day);
            else if (c == L"ddd")
                out += std::wstring(kDays[parts->dayOfWeek]).substr(0, 3);
            else if (c[0] == L'd')
                out += kDays[parts->dayOfWeek];
            else if (c == L"h")
                out += std::to_wstring(hour);
            else if (c[0] == L'h')
                out += TwoDigits(hour);
            else if (c == L"M")
                out += std::to_wstring(parts->minute);
            else if (c == L"MM")
                out += TwoDigits(parts->minute);
            else if (c == L"s")
                out += std::to_wstring(parts->second);
            else if (c[0] == L's')
                out += TwoDigits(parts->second);
            else if (c == L"[h]")
                out += std::to_wstring((long long)std::floor(rounded * 24 + 1e-9));
            else if (c == L"[m]")
                out += std::to_wstring((long long)std::floor(rounded * 1440 + 1e-9));
            else if (c == L"[s]")
                out += std::to_wstring((long long)std::floor(rounded * 86400 + 1e-9));
            else if (c[0] == L'.') {
                wchar_t buffer[8];
                swprintf(buffer, 8, L"%03d", parts->millisecond);
                out += L'.';
                out += std::wstring(buffer).substr(0, c.size() - 1);
            }
            break;
        }
        case TokenKind::AmPm: {
            bool pm = parts->hour >= 12;
            if (t.text.size() == 5) {
                out += pm ? (std::iswlower(t.text[3]) ? L"pm" : L"PM") : (std::iswlower(t.text[0]) ? L"am" : L"AM");
            } else {
                out += pm ? t.text[2] : t.text[0];
            }
            break;
        }
        case TokenKind::Literal: out += t.text; break;
        case TokenKind::Point: out += L'.'; break;
        case TokenKind::Comma: out += L','; break;
        case TokenKind::Percent: out += L'%'; break;
        case TokenKind::Digit: out += t.ch == L'0' ? L"0" : L""; break;
        default: break;
        }
    }
    return out;
}

// Inserts thousands separators into a run of digits (leading blanks from "?" stay in front).
std::wstring Group(const std::wstring& digits) {
    size_t firstDigit = digits.find_first_not_of(L' ');
    if (firstDigit == std::wstring::npos) return digits;
    std::wstring head = digits.substr(0, firstDigit);
    std::wstring body = digits.substr(firstDigit);
    std::wstring grouped;
    for (size_t i = 0; i < body.size(); ++i) {
        if (i > 0 && (body.size() - i) % 3 == 0) grouped += L',';
        grouped += body[i];
    }
    return head + grouped;
}

std::wstring FormatDigits(const Section& section, double value) {
    const auto& tokens = section.tokens;
    size_t end = tokens.size();
    size_t exponentAt = end;
    for (size_t i = 0; i < end; ++i) {
        if (tokens[i].kind == TokenKind::Exponent) {
            exponentAt = i;
            break;
        }
    }
    size_t pointAt = exponentAt;
    for (size_t i = 0; i < exponentAt; ++i) {
        if (tokens[i].kind == TokenKind::Point) {
            pointAt = i;
            break;
        }
    }
    std::vector<size_t> integerSlots;
    std::vector<size_t> fractionSlots;
    for (size_t i = 0; i < exponentAt; ++i) {
        if (tokens[i].kind != TokenKind::Digit) continue;
        (i < pointAt ? integerSlots : fractionSlots).push_back(i);
    }
    bool grouping = false;
    int scale = 0;
    int percent = 0;
    for (size_t i = 0; i < end; ++i) {
        if (tokens[i].kind == TokenKind::Percent) ++percent;
        if (tokens[i].kind != TokenKind::Comma || i >= exponentAt) continue;
        bool digitBefore = false;
        bool digitAfter = false;
        for (size_t j = 0; j < i; ++j) digitBefore |= tokens[j].kind == TokenKind::Digit;
        for (size_t j = i + 1; j < exponentAt; ++j) digitAfter |= tokens[j].kind == TokenKind::Digit;
        if (digitBefore && digitAfter && i < pointAt)
            grouping = true;
        else if (digitBefore && !digitAfter)
            ++scale;
    }
    value *= std::pow(100.0, percent);
    value /= std::pow(1000.0, scale);

    int decimals = int(fractionSlots.size());
    std::string integerDigits;
    std::string fractionDigits;
    std::wstring exponentText;
    if (exponentAt < end) {
        int integerPlaces = std::max<int>(1, int(integerSlots.size()));
        bool engineering = integerSlots.size() > 1 && tokens[integerSlots.front()].ch == L'#';
        DecimalDigits digits(value);
        int exponent = 0;
        if (!digits.IsZero()) {
            exponent = digits.Exponent();
            auto place = [&](int e) {
                if (engineering) return int(std::floor(double(e) / integerPlaces)) * integerPlaces;
                return e - (integerPlaces - 1);
            };
            exponent = place(exponent);
            DecimalDigits mantissa(value / std::pow(10.0, exponent));
            mantissa.Fixed(decimals, integerDigits, fractionDigits);
            if (int(integerDigits.size()) > integerPlaces && !engineering) {
                exponent += 1;
                DecimalDigits(value / std::pow(10.0, exponent)).Fixed(decimals, integerDigits, fractionDigits);
            } else if (engineering && int(integerDigits.size()) > integerPlaces) {
                exponent += integerPlaces;
                DecimalDigits(value / std::pow(10.0, exponent)).Fixed(decimals, integerDigits, fractionDigits);
            }
        } else {
            digits.Fixed(decimals, integerDigits, fractionDigits);
        }
        const Token& e = tokens[exponentAt];
        exponentText = std::wstring(1, e.text[0]);
        if (exponent < 0)
            exponentText += L'-';
        else if (e.ch == L'+')
            exponentText += L'+';
        std::wstring number = std::to_wstring(std::abs(exponent));
        size_t minimum = e.text.size() - 1;
        if (number.size() < minimum) number.insert(0, minimum - number.size(), L'0');
        exponentText += number;
    } else {
        DecimalDigits(value).Fixed(decimals, integerDigits, fractionDigits);
    }
    if (integerDigits == "0") integerDigits.clear();

    // Integer placeholders take digits from the right; the leftmost takes any excess.
    std::vector<std::wstring> integerText(integerSlots.size());
    std::wstring integerRun;
    {
        std::wstring digits = Widen(integerDigits);
        size_t n = integerSlots.size();
        for (size_t k = 0; k < n; ++k) {
            size_t slot = n - 1 - k;
            wchar_t placeholder = tokens[integerSlots[slot]].ch;
            std::wstring piece;
            if (k < digits.size())
                piece = digits[digits.size() - 1 - k];
            else if (placeholder == L'0')
                piece = L"0";
            else if (placeholder == L'?')
                piece = L" ";
            integerText[slot] = piece;
        }
        if (n > 0 && digits.size() > n) integerText[0] = digits.substr(0, digits.size() - n) + integerText[0];
        if (grouping) {
            for (auto& piece : integerText) integerRun += piece;
            integerRun = Group(integerRun);
        }
        if (n == 0) integerRun = digits;
    }
    // Fraction placeholders: trailing zeros vanish under "#" and become blanks under "?".
    std::vector<std::wstring> fractionText(fractionSlots.size());
    {
        bool trailing = true;
        for (size_t k = fractionSlots.size(); k-- > 0;) {
            wchar_t placeholder = tokens[fractionSlots[k]].ch;
            wchar_t digit = wchar_t(fractionDigits[k]);
            if (trailing && digit == L'0' && placeholder == L'#') {
                fractionText[k] = L"";
            } else if (trailing && digit == L'0' && placeholder == L'?') {
                fractionText[k] = L" ";
            } else {
                trailing = false;
                fractionText[k] = std::wstring(1, digit);
            }
        }
    }

    std::wstring out;
    size_t integerIndex = 0;
    size_t fractionIndex = 0;
    bool integerPlaced = false;
    for (size_t i = 0; i < end; ++i) {
        const Token& t = tokens[i];
        switch (t.kind) {
        case TokenKind::Digit:
            if (i < pointAt && i < exponentAt) {
                if (grouping) {
                    if (!integerPlaced) out += integerRun;
                    integerPlaced = true;
                } else {
                    out += integerText[integerIndex];
                }
                ++integerIndex;
            } else if (i < exponentAt) {
                out += fractionText[fractionIndex++];
            }
            break;
        case TokenKind::Point:
            if (integerSlots.empty()) out += integerRun;
            out += L'.';
            break;
        case TokenKind::Exponent: out += exponentText; break;
        case TokenKind::Literal: out += t.text; break;
        case TokenKind::Percent: out += L'%'; break;
        case TokenKind::General: out += FormatGeneral(value).value_or(L""); break;
        case TokenKind::At: break;
        default: break;
        }
    }
    if (integerSlots.empty() && pointAt == exponentAt && !integerRun.empty()) {
        // No placeholders before an exponent or at all: the digits still show.
        out = integerRun + out;
    }
    return out;
}

std::wstring FormatLiterals(const Section& section, double value) {
    std::wstring out;
    for (const auto& t : section.tokens) {
        if (t.kind == TokenKind::Literal)
            out += t.text;
        else if (t.kind == TokenKind::Percent)
            out += L'%';
        else if (t.kind == TokenKind::General)
            out += FormatGeneral(value).value_or(L"");
        else if (t.kind == TokenKind::Point)
            out += L'.';
        else if (t.kind == TokenKind::Comma)
            out += L',';
    }
    return out;
}

}  // namespace

double DisplayWidth(const std::wstring& text) {
    double width = 0;
    for (wchar_t c : text) {
        switch (c) {
        case L'.':
        case L',':
        case L':':
        case L';':
        case L'/':
        case L'-':
        case L'\'':
        case L'(':
        case L')':
        case L'!':
        case L'|':
        case L' ': width += 0.5; break;
        default: width += 1; break;
        }
    }
    return width;
}

std::optional<std::wstring> FormatGeneral(double value, double width) {
    if (!std::isfinite(value)) return std::nullopt;
    std::wstring sign = value < 0 ? L"-" : L"";
    auto fits = [&](const std::string& digits) {
        return digits.size() <= 11 && DisplayWidth(sign + Widen(digits)) <= width + 1e-9;
    };
    if (value == 0) return fits("0") ? std::optional<std::wstring>(L"0") : std::nullopt;
    DecimalDigits digits(value);
    int exponent = digits.Exponent();

    auto strip = [](std::string s) {
        if (s.find('.') != std::string::npos) {
            while (!s.empty() && s.back() == '0') s.pop_back();
            if (!s.empty() && s.back() == '.') s.pop_back();
        }
        return s;
    };
    auto fixed = [&](int decimals) {
        std::string integerPart;
        std::string fraction;
        digits.Fixed(decimals, integerPart, fraction);
        return strip(decimals > 0 ? integerPart + "." + fraction : integerPart);
    };
    auto scientific = [&]() -> std::optional<std::wstring> {
        // Mantissa of at most six significant digits, exponent of at least two digits.
        for (int significant = 6; significant >= 1; --significant) {
            std::string mantissa;
            int e = 0;
            digits.Significant(significant, mantissa, e);
            std::string text = mantissa.substr(0, 1);
            if (mantissa.size() > 1) text += "." + mantissa.substr(1);
            text = strip(text);
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
            text += buffer;
            if (fits(text)) return sign + Widen(text);
        }
        return std::nullopt;
    };

    if (exponent >= 0 && exponent <= 10) {
        int integerCount = exponent + 1;
        for (int decimals = std::min(11 - integerCount - 1, 10 - integerCount); decimals >= 0; --decimals) {
            std::string text = fixed(decimals);
            if (fits(text)) return sign + Widen(text);
        }
        if (integerCount <= 11) {
            std::string text = fixed(0);
            if (fits(text)) return sign + Widen(text);
        }
        return scientific();
    }
    if (exponent >= -4 && exponent < 0) {
        for (int decimals = 9; decimals >= 1; --decimals) {
            std::string text = fixed(decimals);
            if (text == "0") break;
            if (fits(text)) return sign + Widen(text);
        }
        return scientific();
    }
    if (exponent >= -9 && exponent < -4) {
        // Shown in full when all its digits fit, otherwise in scientific notation.
        std::string text = fixed(12);
        if (fits(text)) return sign + Widen(text);
    }
    return scientific();
}

std::optional<std::wstring> FormatNumber(double value, const std::wstring& format) {
    if (IsGeneralFormat(format) || IsTextFormat(format)) return FormatGeneral(value);
    const auto parsedSections = SectionsOf(format);
    const std::vector<Section>& sections = *parsedSections;
    // A text section does not count among the number sections.
    size_t numberSections = sections.size();
    if (numberSections > 3) numberSections = 3;
    if (numberSections > 1 && sections[numberSections - 1].at) --numberSections;

    size_t index = 0;
    bool minus = false;
    if (value < 0) {
        if (numberSections >= 2)
            index = 1;
        else
            minus = true;
    } else if (value == 0 && numberSections >= 3) {
        index = 2;
    }
    const Section& section = sections[index];
    double magnitude = std::fabs(value);
    if (section.date) {
        if (value < 0) return std::nullopt;
        return FormatDate(section, magnitude);
    }
    std::wstring text;
    if (section.digits) {
        text = FormatDigits(section, magnitude);
        // A value rounded to zero under every placeholder shows no sign.
        bool allZero = text.find_first_of(L"123456789") == std::wstring::npos;
        if (allZero) minus = false;
    } else if (section.general && section.tokens.size() == 1) {
        text = FormatGeneral(magnitude).value_or(L"");
    } else {
        text = FormatLiterals(section, magnitude);
    }
    return (minus ? L"-" : L"") + text;
}

std::wstring FormatText(const std::wstring& text, const std::wstring& format) {
    auto texts = SplitSections(format);
    const std::wstring* textSection = nullptr;
    if (texts.size() >= 4)
        textSection = &texts[3];
    else if (texts.size() == 1 && texts[0].find(L'@') != std::wstring::npos)
        textSection = &texts[0];
    if (!textSection) return text;
    Section section = ParseSection(*textSection);
    std::wstring out;
    for (const auto& t : section.tokens) {
        if (t.kind == TokenKind::At)
            out += text;
        else if (t.kind == TokenKind::Literal)
            out += t.text;
    }
    return out;
}

bool IsGeneralFormat(const std::wstring& format) {
    // Exactly as Excel spells it, mostly: that needs no case folding.
    return format.empty() || (format.size() == 7 && (format == L"General" || StartsWithNoCase(format, 0, L"General")));
}

bool IsDateFormat(const std::wstring& format) {
    if (IsGeneralFormat(format)) return false;
    return SectionsOf(format)->front().date;
}

bool IsCurrencyFormat(const std::wstring& format) {
    if (IsGeneralFormat(format)) return false;
    return SectionsOf(format)->front().currency;
}

bool IsTextFormat(const std::wstring& format) { return format == L"@"; }

}  // namespace host
