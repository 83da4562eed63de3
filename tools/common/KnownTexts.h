// The texts a run has asked Range.Text for, kept for the later blocks of the same area: a value of a column
// drawn alike there shows what it showed before, without asking again. Numbers, dates, booleans and error
// values only (a text's key would hold its characters). About 8 MB at most: past that it starts afresh. A
// column whose values hardly repeat over some 16,000 of them stops being remembered and grouped: there it
// would cost without saving a call. Every 16th block of such a column looks again, in case they come to.
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

    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept;
    };

    // The same number for the same settings; a number of its own each time for settings that hold within one
    // rectangle only.
    std::uint32_t LookOf(const std::wstring& settings, bool sharedByRectangles);

    const std::wstring* Find(const Key& key) const;
    void Add(const Key& key, std::wstring_view text);

    // False for a column whose values were seen not to repeat, but in the blocks that look again.
    bool Shares(long column) const;
    // After a block: of `keyed` values of the column, `shared` needed no call of their own. Once per block for
    // each column with cells to ask, also where they were asked one by one (`keyed` 0).
    void Learn(long column, std::size_t keyed, std::size_t shared);

private:
    // Drops the column's texts: it is no longer remembered.
    void Forget(long column);

    std::unordered_map<std::wstring, std::uint32_t> m_looks;
    std::uint32_t m_nextLook = 0;
    struct ColumnUse {
        bool repeats = true;
        unsigned blocksSince = 0;  // blocks since the column was seen not to repeat
        // The values grouped since the column was last judged, and those that needed no call of their own.
        std::size_t keyed = 0;
        std::size_t shared = 0;
    };

    std::unordered_map<Key, std::wstring, KeyHash> m_texts;
    std::size_t m_bytes = 0;
    std::unordered_map<long, ColumnUse> m_columns;
};

// A 64-bit number spread over all the bits of a hash: a double's low bits are often all zero, and a 32-bit
// std::size_t would keep only those.
std::size_t SpreadBits(std::uint64_t bits) noexcept;

}  // namespace blocks
