#include "framework/TextConversion.h"

#include <windows.h>

#include <climits>

namespace framework {

namespace {

std::string Narrow(UINT codePage, const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length =
        ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                          nullptr);
    return result;
}

std::wstring Widen(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

}  // namespace

std::optional<std::string_view> ToAnsiExact(std::wstring_view text, char* buffer, std::size_t size) noexcept {
    // Every character takes at least one byte, and the terminator one more.
    if (!buffer || size == 0 || size > INT_MAX || text.size() >= size) return std::nullopt;
    int length = 0;
    if (!text.empty()) {
        const int room = static_cast<int>(size - 1);
        const int count = static_cast<int>(text.size());
        const UINT codePage = ::GetACP();
        if (codePage == CP_UTF8) {
            // Every character has its exact form here; only a broken surrogate pair has none.
            length = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), count, buffer, room, nullptr,
                                           nullptr);
        } else {
            BOOL usedDefault = FALSE;
            length = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), count, buffer, room, nullptr,
                                           &usedDefault);
            if (usedDefault) return std::nullopt;
        }
        if (length <= 0) return std::nullopt;
    }
    buffer[length] = '\0';
    return std::string_view(buffer, static_cast<size_t>(length));
}

std::wstring FromAnsi(const std::string& text) { return Widen(CP_ACP, text); }
std::string ToUtf8(const std::wstring& text) { return Narrow(CP_UTF8, text); }

}  // namespace framework
