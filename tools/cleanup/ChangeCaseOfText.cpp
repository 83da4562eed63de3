#include "tools/cleanup/ChangeCaseOfText.h"

#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/TextCharacters.h"

namespace
{
// Case mapping is ASCII only: accented and non-Latin letters stay as they are whatever the locale.
wchar_t UpperAscii(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - (L'a' - L'A')) : c;
}

wchar_t LowerAscii(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

std::size_t FirstNonWhiteSpace(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i]))
        ++i;
    return i;
}

void UpperAll(std::wstring& text)
{
    for (wchar_t& c : text)
        c = UpperAscii(c);
}

void LowerAll(std::wstring& text)
{
    for (wchar_t& c : text)
        c = LowerAscii(c);
}

void UpperFirst(std::wstring& text)
{
    const std::size_t first = FirstNonWhiteSpace(text);
    if (first < text.size())
        text[first] = UpperAscii(text[first]);
}

void UpperFirstLowerRest(std::wstring& text)
{
    const std::size_t first = FirstNonWhiteSpace(text);
    if (first == text.size())
        return;
    text[first] = UpperAscii(text[first]);
    for (std::size_t i = first + 1; i < text.size(); ++i)
        text[i] = LowerAscii(text[i]);
}

void CapitaliseEachWord(std::wstring& text)
{
    bool atWordStart = true;
    for (wchar_t& c : text)
    {
        if (IsWhiteSpace(c))
        {
            atWordStart = true;
            continue;
        }
        c = atWordStart ? UpperAscii(c) : LowerAscii(c);
        atWordStart = false;
    }
}
} // namespace

void ChangeCaseOfText(std::wstring& text, int mode)
{
    if (text.empty())
        return;
    switch (mode)
    {
    case CASE_UPPER:
        UpperAll(text);
        break;
    case CASE_LOWER:
        LowerAll(text);
        break;
    case CASE_FIRST_UPPER:
        UpperFirst(text);
        break;
    case CASE_FIRST_UPPER_REST_LOWER:
        UpperFirstLowerRest(text);
        break;
    case CASE_EACH_WORD:
        CapitaliseEachWord(text);
        break;
    default:
        break;
    }
}
