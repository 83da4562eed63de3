// The first-occurrence rule: scanning rows from the top, the first row of each key stays and every later row
// with that key is a duplicate. Each distinct key is kept once, packed, so that a million rows of keys take
// tens of megabytes, not hundreds: a short key byte for byte, a long one (long texts) as its length, its
// first bytes and a 128-bit digest of the whole. Two different long keys would have to agree in all three to
// be taken for one, a chance far below one in 10^20 even among millions of rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace duplicates {

class SeenKeys {
public:
    // Keys up to this many bytes are kept whole.
    static constexpr std::size_t kKeptWhole = 48;

    // True when an earlier row had this key; otherwise remembers it. An empty key (a row whose ticked cells
    // are all blank) is never a duplicate and is not remembered.
    bool Repeats(std::string_view key);

    std::size_t Distinct() const noexcept { return m_count; }

private:
    // Where a packed key lies among the chunks: its offset, plus one (0 marks a free slot).
    using Slot = std::uint32_t;

    std::string_view KeyAt(Slot slot) const noexcept;
    Slot Keep(std::string_view packed);
    void Grow();

    std::vector<std::unique_ptr<char[]>> m_chunks;
    std::size_t m_chunkUsed = 0;
    std::vector<Slot> m_slots;  // open addressing, a power of two long
    std::size_t m_count = 0;
};

// The form a key is kept in: itself up to kKeptWhole bytes, else a digest form no whole key can equal.
std::string PackedKey(std::string_view key);

}  // namespace duplicates
