#include "tools/common/TextStaysText.h"

#include <cwctype>

#include "tools/common/TextCharacters.h"

namespace {

bool StartsWithNumberLikeCharacter(wchar_t c) {
    if (c >= L'0' && c <= L'9') return true;
    switch (c) {
    case L'=':
    case L'+':
    case L'-':
    case L'@':
    case L'\'':
    case L'#':
    case L'.':
    case L',':
    case L'(':
    case L'%':
    case L'$':
    case 0x20AC /* euro */:
    case 0x00A3 /* pound */:
    case 0x00A5 /* yen */:
    case 0x2212 /* minus sign */: return true;
    default: return false;
    }
}

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) {
    if (text.size() != word.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (std::towupper(text[i]) != word[i]) return false;
    return true;
}

std::wstring_view TrimWhiteSpace(std::wstring_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

// "Mar 5", "jan-2024", "December 31": Excel reads a month name followed by a number as a date.
bool LooksLikeMonthDate(std::wstring_view text) {
    static const wchar_t* const months[] = {L"JAN", L"FEB", L"MAR", L"APR", L"MAY", L"JUN",
                                            L"JUL", L"AUG", L"SEP", L"OCT", L"NOV", L"DEC"};
    if (text.size() < 4) return false;
    bool month = false;
    for (const wchar_t* m : months) month = month || EqualsIgnoringCase(text.substr(0, 3), m);
    if (!month) return false;
    for (wchar_t c : text)
        if (c >= L'0' && c <= L'9') return true;
    return false;
}

}  // namespace

bool ExcelMightReinterpret(std::wstring_view text) {
    std::wstring_view core = TrimWhiteSpace(text);
    if (core.empty()) return false;
    if (StartsWithNumberLikeCharacter(core.front())) return true;
    if (EqualsIgnoringCase(core, L"TRUE") || EqualsIgnoringCase(core, L"FALSE")) return true;
    return LooksLikeMonthDate(core);
}

std::wstring AsTypedText(std::wstring_view text) {
    std::wstring typed;
    if (ExcelMightReinterpret(text)) typed.push_back(L'\'');
    typed.append(text);
    return typed;
}

bool ExcelReadsOnlyAsText(std::wstring_view text) {
    // Longer than any month or day name of any language Excel reads dates in.
    constexpr std::size_t kLettersNoValueHolds = 32;
    const std::wstring_view core = TrimWhiteSpace(text);
    if (core.empty()) return false;
    switch (core.front()) {
    case L'=':
    case L'+':
    case L'-':
    case L'@':
    case L'\'':
    case L'#': return false;
    default: break;
    }
    std::size_t letters = 0;
    for (wchar_t c : core) {
        letters = std::iswalpha(c) ? letters + 1 : 0;
        if (letters > kLettersNoValueHolds) return true;
    }
    return false;
}

std::optional<std::wstring> TypedTextWithinLimit(std::wstring text) {
    if (text.size() > kCellTextLimit) return std::nullopt;
    if (!ExcelMightReinterpret(text)) return text;
    if (text.size() < kCellTextLimit) {
        text.insert(text.begin(), L'\'');
        return text;
    }
    if (ExcelReadsOnlyAsText(text)) return text;
    return std::nullopt;
}
