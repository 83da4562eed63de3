// The one place where text leaves or enters the wide form the add-in keeps it in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace framework {

// The text in the ANSI code page, for the comparisons that must be made there, written into buffer. Nothing
// (std::nullopt) when a character has no exact counterpart in the code page, so that no best-fit look-alike
// stands in for it, or when the text and its terminator do not fit size bytes.
std::optional<std::string_view> ToAnsiExact(std::wstring_view text, char* buffer, std::size_t size) noexcept;

// A standard exception's what() text, which is in the ANSI code page.
std::wstring FromAnsi(const std::string& text);
// UTF-8, for what the tools print and log.
std::string ToUtf8(const std::wstring& text);

}  // namespace framework
