#include "tools/cleanup/ChangeCaseOfText.h"

#include "tools/cleanup/CaseMapping.h"
#include "tools/common/TextCharacters.h"

namespace cleanup {
namespace {
std::size_t FirstNonWhiteSpace(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    return i;
}

void UpperAll(std::wstring& text) {
    for (wchar_t& c : text) c = UpperCaseOf(c);
}

void LowerAll(std::wstring& text) {
    for (wchar_t& c : text) c = LowerCaseOf(c);
}

void UpperFirst(std::wstring& text) {
    const std::size_t first = FirstNonWhiteSpace(text);
    if (first < text.size()) text[first] = UpperCaseOf(text[first]);
}

void UpperFirstLowerRest(std::wstring& text) {
    const std::size_t first = FirstNonWhiteSpace(text);
    if (first == text.size()) return;
    text[first] = UpperCaseOf(text[first]);
    for (std::size_t i = first + 1; i < text.size(); ++i) text[i] = LowerCaseOf(text[i]);
}

void CapitaliseEachWord(std::wstring& text) {
    bool atWordStart = true;
    for (wchar_t& c : text) {
        if (IsWhiteSpace(c)) {
            atWordStart = true;
            continue;
        }
        c = atWordStart ? UpperCaseOf(c) : LowerCaseOf(c);
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
