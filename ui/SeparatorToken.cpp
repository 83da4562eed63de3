#include "ui/SeparatorToken.h"

namespace ui {

std::optional<size_t> FindToken(std::wstring_view text, size_t from, std::wstring_view token) {
    if (token.empty() || from > text.size()) return std::nullopt;
    const size_t found = text.find(token, from);
    if (found == std::wstring_view::npos) return std::nullopt;
    return found;
}

std::optional<size_t> TokenEndingAtOrAround(std::wstring_view text, size_t caret, std::wstring_view token) {
    const size_t length = token.size();
    const size_t from = caret > length ? caret - length : 0;
    const std::optional<size_t> start = FindToken(text, from, token);
    if (!start || *start >= caret || caret - *start > length) return std::nullopt;
    return start;
}

std::optional<size_t> TokenStartingAtOrAround(std::wstring_view text, size_t caret, std::wstring_view token) {
    if (token.empty()) return std::nullopt;
    const size_t inside = token.size() - 1;
    const size_t from = caret > inside ? caret - inside : 0;
    const std::optional<size_t> start = FindToken(text, from, token);
    if (!start || *start > caret || caret - *start > inside) return std::nullopt;
    return start;
}

size_t TokenInsertionPoint(std::wstring_view text, size_t caret, std::wstring_view token) {
    const std::optional<size_t> around = TokenEndingAtOrAround(text, caret, token);
    return around ? *around + token.size() : caret;
}

std::wstring NewLinesFromTokens(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size());
    size_t position = 0;
    while (const std::optional<size_t> start = FindToken(text, position)) {
        result.append(text.substr(position, *start - position));
        result.push_back(L'\n');
        position = *start + kNewLineToken.size();
    }
    result.append(text.substr(position));
    return result;
}

}  // namespace ui
