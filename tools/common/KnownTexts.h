// The texts a run has asked Range.Text for, kept for the later blocks of the same area: a value of a column
// drawn alike there shows what it showed before, without asking again. Numbers, dates, booleans and error
// values only (a text's key would hold its characters). About 8 MB at most: past that it starts afresh.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include <windows.h>
#include <oleauto.h>

namespace blocks {

class KnownTexts {
public:
    struct Key {
        long column;  // within the area
        std::uint32_t look;
        VARTYPE type;
        std::uint64_t bits;

        friend bool operator==(const Key& a, const Key& b) {
            return a.column == b.column && a.look == b.look && a.type == b.type && a.bits == b.bits;
        }
    };

    // The same number for the same settings; a number of its own each time for settings that hold within one
    // rectangle only.
    std::uint32_t LookOf(const std::wstring& settings, bool sharedByRectangles);

    const std::wstring* Find(const Key& key) const;
    void Add(const Key& key, std::wstring_view text);

private:
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept;
    };

    std::unordered_map<std::wstring, std::uint32_t> m_looks;
    std::uint32_t m_nextLook = 0;
    std::unordered_map<Key, std::wstring, KeyHash> m_texts;
    std::size_t m_bytes = 0;
};

}  // namespace blocks
