// Areas joined into multi-area A1 references ("A5:C7,A9:C9") of at most the length Worksheet.Range takes, so
// that one call reaches many areas. Pure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace blocks {

// Excel takes at most this many characters in one reference text.
constexpr std::size_t kMaxReference = 255;

class ReferenceList {
public:
    explicit ReferenceList(std::size_t longest = kMaxReference) noexcept : m_longest(longest) {}

    // False when the area does not fit beside what is held: Take it first. An empty list takes any area.
    bool Fits(std::wstring_view area) const noexcept {
        return m_text.empty() || m_text.size() + 1 + area.size() <= m_longest;
    }
    void Append(std::wstring_view area) {
        if (!m_text.empty()) m_text += L',';
        m_text += area;
    }
    bool Empty() const noexcept { return m_text.empty(); }
    // The reference held so far; the list is empty again.
    std::wstring Take() noexcept { return std::exchange(m_text, std::wstring()); }

private:
    std::size_t m_longest;
    std::wstring m_text;
};

}  // namespace blocks
