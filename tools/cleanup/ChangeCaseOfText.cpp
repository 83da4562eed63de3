#include "tools/cleanup/ChangeCaseOfText.h"

#include "tools/common/TextCharacters.h"

namespace cleanup {
namespace {
// Case mapping is ASCII only: accented and non-Latin letters stay as they are whatever the locale.
wchar_t UpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - (L'a' - L'A')) : c; }

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c; }

std::size_t FirstNonWhiteSpace(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    return i;
}

void UpperAll(std::wstring& text) {
    for (wchar_t& c : text) c = UpperAscii(c);
}

void LowerAll(std::wstring& text) {
    for (wchar_t& c : text) c = LowerAscii(c);
}

void UpperFirst(std::wstring& text) {
    const std::size_t first = FirstNonWhiteSpace(text);
    if (first < text.size()) text[first] = UpperAscii(text[first]);
}

void UpperFirstLowerRest(std::wstring& text) {
    const std::size_t first = FirstNonWhiteSpace(text);
    if (first == text.size()) return;
    text[first] = UpperAscii(text[first]);
    for (std::size_t i = first + 1; i < text.size(); ++i) text[i] = LowerAscii(text[i]);
}

void CapitaliseEachWord(std::wstring& text) {
    bool atWordStart = true;
    for (wchar_t& c : text) {
        if (IsWhiteSpace(c)) {
            atWordStart = true;
            continue;
        }
        c = atWordStart ? UpperAscii(c) : LowerAscii(c);
        atWordStart = false;
    }
}
}  // namespace

void ChangeCaseOfText(std::wstring& text, CaseMode mode) {
    if (text.empty()) return;
    switch (mode) {
    case CaseMode::Upper: UpperAll(text); break;
    case CaseMode::Lower: LowerAll(text); break;
    case CaseMode::FirstUpper: UpperFirst(text); break;
    case CaseMode::FirstUpperRestLower: UpperFirstLowerRest(text); break;
    case CaseMode::EachWord: CapitaliseEachWord(text); break;
    default: break;
    }
}
}  // namespace cleanup
