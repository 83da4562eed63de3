#include "tools/cleanup/TextUpToNul.h"

#include <cwchar>

std::wstring TextUpToNul(const wchar_t* text, std::size_t length)
{
    if (text == nullptr)
        return std::wstring();
    const wchar_t* nul = std::wmemchr(text, L'\0', length);
    return std::wstring(text, nul != nullptr ? static_cast<std::size_t>(nul - text) : length);
}
