#include "tools/cleanup/RemoveCharactersFromText.h"

#include "tools/cleanup/RemoveMode.h"
#include "tools/cleanup/TextCharacters.h"

#include <algorithm>

namespace
{
constexpr wchar_t kNoBreakSpace = 160;

void RemoveLeadingWhiteSpace(std::wstring& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), IsWhiteSpace);
    text.erase(text.begin(), first);
}

void RemoveTrailingWhiteSpace(std::wstring& text)
{
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsWhiteSpace);
    text.erase(last.base(), text.end());
}

template <typename Predicate>
void RemoveEvery(std::wstring& text, Predicate shouldGo)
{
    text.erase(std::remove_if(text.begin(), text.end(), shouldGo), text.end());
}
} // namespace

void RemoveCharactersFromText(std::wstring& text, int mode)
{
    if (text.empty())
        return;
    switch (mode)
    {
    case REMOVE_LEADING:
        RemoveLeadingWhiteSpace(text);
        break;
    case REMOVE_TRAILING:
        RemoveTrailingWhiteSpace(text);
        break;
    case REMOVE_LEADING_TRAILING:
        RemoveLeadingWhiteSpace(text);
        RemoveTrailingWhiteSpace(text);
        break;
    case REMOVE_NONPRINTING:
        RemoveEvery(text, IsNonPrinting);
        break;
    case REMOVE_NO_BREAK_SPACES:
        RemoveEvery(text, [](wchar_t c) { return c == kNoBreakSpace; });
        break;
    default:
        break;
    }
}
