#include "tools/cleanup/RemoveCharactersFromText.h"

#include "tools/common/TextCharacters.h"

#include <algorithm>

namespace cleanup {
namespace {
constexpr wchar_t kNoBreakSpace = 160;

void RemoveLeadingWhiteSpace(std::wstring& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsWhiteSpace);
    text.erase(text.begin(), first);
}

void RemoveTrailingWhiteSpace(std::wstring& text) {
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsWhiteSpace);
    text.erase(last.base(), text.end());
}

template <typename Predicate>
void RemoveEvery(std::wstring& text, Predicate shouldGo) {
    text.erase(std::remove_if(text.begin(), text.end(), shouldGo), text.end());
}
}  // namespace

void RemoveCharactersFromText(std::wstring& text, RemoveMode mode) {
    if (text.empty()) return;
    switch (mode) {
    case RemoveMode::Leading: RemoveLeadingWhiteSpace(text); break;
    case RemoveMode::Trailing: RemoveTrailingWhiteSpace(text); break;
    case RemoveMode::LeadingAndTrailing:
        RemoveLeadingWhiteSpace(text);
        RemoveTrailingWhiteSpace(text);
        break;
    case RemoveMode::NonPrinting: RemoveEvery(text, IsNonPrinting); break;
    case RemoveMode::NoBreakSpaces: RemoveEvery(text, [](wchar_t c) { return c == kNoBreakSpace; }); break;
    default: break;
    }
}
}  // namespace cleanup
