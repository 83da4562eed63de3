// The line-break token of a separator: typed as text, inserted, removed and turned into a line feed as one
// unit. Index arithmetic only, no window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

inline constexpr std::wstring_view kNewLineToken = L"[ALT+ENTER]";

// The start of the first token at or after index from, if any.
std::optional<size_t> FindToken(std::wstring_view text, size_t from, std::wstring_view token = kNewLineToken);

// The start of the token the caret stands in or just after: after its first character and no further than
// just after its end. Backspace removes that token; an inserted token goes after it.
std::optional<size_t> TokenEndingAtOrAround(std::wstring_view text, size_t caret,
                                            std::wstring_view token = kNewLineToken);

// The start of the token the caret stands at or inside of, before its last character. Delete removes it.
std::optional<size_t> TokenStartingAtOrAround(std::wstring_view text, size_t caret,
                                              std::wstring_view token = kNewLineToken);

// Where a token inserted at the caret goes: the caret, or just after the token the caret stands in.
size_t TokenInsertionPoint(std::wstring_view text, size_t caret, std::wstring_view token = kNewLineToken);

// Every token, matched exactly and left to right without overlapping, turned into one line feed.
std::wstring NewLinesFromTokens(std::wstring_view text);

}  // namespace ui
