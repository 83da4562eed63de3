// Conversions between wide text and the narrow encodings the add-in meets.
#pragma once

#include <string>

namespace framework {

std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

}  // namespace framework
