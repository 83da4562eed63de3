#include "framework/TextConversion.h"

#include <windows.h>

namespace framework {

namespace {

std::string Narrow(UINT codePage, const std::wstring& text)
{
    if (text.empty()) return std::string();
    const int length = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                          nullptr);
    return result;
}

std::wstring Widen(UINT codePage, const std::string& text)
{
    if (text.empty()) return std::wstring();
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

}  // namespace

std::string ToAnsi(const std::wstring& text) { return Narrow(CP_ACP, text); }
std::wstring FromAnsi(const std::string& text) { return Widen(CP_ACP, text); }
std::string ToUtf8(const std::wstring& text) { return Narrow(CP_UTF8, text); }
std::wstring FromUtf8(const std::string& text) { return Widen(CP_UTF8, text); }

}  // namespace framework
