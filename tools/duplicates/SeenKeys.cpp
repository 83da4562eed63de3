#include "tools/duplicates/SeenKeys.h"

#include <cstring>
#include <new>

namespace duplicates {

namespace {

// Packed keys go into chunks of this size, so that no big array is ever copied as the keys grow.
constexpr std::size_t kChunkBytes = 1u << 20;
// How many first bytes of a long key its packed form keeps.
constexpr std::size_t kLeadingBytes = 16;
// Whole keys begin with the tag of their first part, a letter; the digest form with this byte.
constexpr char kDigestMark = '\x01';

std::uint64_t RotateLeft(std::uint64_t x, int bits) { return (x << bits) | (x >> (64 - bits)); }

std::uint64_t Mix(std::uint64_t k) {
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    k *= 0xc4ceb9fe1a85ec53ULL;
    k ^= k >> 33;
    return k;
}

std::uint64_t Load(const unsigned char* bytes, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return value;
}

// A 128-bit digest in the manner of MurmurHash3 (x64, 128 bits): two lanes of multiply-rotate rounds over
// 16-byte blocks, the length folded in, a final avalanche.
void Digest(std::string_view text, std::uint64_t (&out)[2]) {
    constexpr std::uint64_t c1 = 0x87c37b91114253d5ULL;
    constexpr std::uint64_t c2 = 0x4cf5ad432745937fULL;
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t length = text.size();
    std::uint64_t h1 = 0x9368e53c2f6af274ULL;
    std::uint64_t h2 = 0x586dcd208f7cd3fdULL;
    auto lane1 = [&](std::uint64_t k) { h1 ^= RotateLeft(k * c1, 31) * c2; };
    auto lane2 = [&](std::uint64_t k) { h2 ^= RotateLeft(k * c2, 33) * c1; };
    std::size_t i = 0;
    for (; i + 16 <= length; i += 16) {
        lane1(Load(data + i, 8));
        h1 = (RotateLeft(h1, 27) + h2) * 5 + 0x52dce729;
        lane2(Load(data + i + 8, 8));
        h2 = (RotateLeft(h2, 31) + h1) * 5 + 0x38495ab5;
    }
    const std::size_t rest = length - i;
    if (rest > 8) lane2(Load(data + i + 8, rest - 8));
    if (rest > 0) lane1(Load(data + i, rest > 8 ? 8 : rest));
    h1 ^= length;
    h2 ^= length;
    h1 += h2;
    h2 += h1;
    h1 = Mix(h1);
    h2 = Mix(h2);
    h1 += h2;
    h2 += h1;
    out[0] = h1;
    out[1] = h2;
}

// Where a packed key goes in the table: FNV-1a, spread over the table's bits by a multiply.
std::size_t SlotOf(std::string_view packed, std::size_t mask) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (unsigned char c : packed) h = (h ^ c) * 0x100000001b3ULL;
    return static_cast<std::size_t>((h * 0x9E3779B97F4A7C15ULL) >> 32) & mask;
}

}  // namespace

std::string PackedKey(std::string_view key) {
    if (key.size() <= SeenKeys::kKeptWhole) return std::string(key);
    std::uint64_t digest[2];
    Digest(key, digest);
    std::string packed(1, kDigestMark);
    const std::uint64_t length = key.size();
    packed.append(reinterpret_cast<const char*>(&length), sizeof length);
    packed.append(key.substr(0, kLeadingBytes));
    packed.append(reinterpret_cast<const char*>(digest), sizeof digest);
    return packed;
}

bool SeenKeys::Repeats(std::string_view key) {
    if (key.empty()) return false;
    const std::string packed = PackedKey(key);
    if (m_slots.empty() || (m_count + 1) * 4 > m_slots.size() * 3) Grow();
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = SlotOf(packed, mask);; i = (i + 1) & mask) {
        if (m_slots[i] == 0) {
            m_slots[i] = Keep(packed);
            ++m_count;
            return false;
        }
        if (KeyAt(m_slots[i]) == packed) return true;
    }
}

std::string_view SeenKeys::KeyAt(Slot slot) const noexcept {
    const std::size_t offset = slot - 1;
    const char* at = m_chunks[offset / kChunkBytes].get() + offset % kChunkBytes;
    return std::string_view(at + 1, static_cast<unsigned char>(*at));
}

SeenKeys::Slot SeenKeys::Keep(std::string_view packed) {
    const std::size_t size = 1 + packed.size();
    if (m_chunks.empty() || m_chunkUsed + size > kChunkBytes) {
        // A slot holds the offset in 32 bits.
        if ((m_chunks.size() + 1) * kChunkBytes >= 0xFFFFFFFFu) throw std::bad_alloc();
        m_chunks.emplace_back(new char[kChunkBytes]);
        m_chunkUsed = 0;
    }
    char* at = m_chunks.back().get() + m_chunkUsed;
    at[0] = static_cast<char>(packed.size());
    std::memcpy(at + 1, packed.data(), packed.size());
    const std::size_t offset = (m_chunks.size() - 1) * kChunkBytes + m_chunkUsed;
    m_chunkUsed += size;
    return static_cast<Slot>(offset + 1);
}

void SeenKeys::Grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? 1024 : old.size() * 2, 0);
    const std::size_t mask = m_slots.size() - 1;
    for (Slot slot : old) {
        if (slot == 0) continue;
        std::size_t i = SlotOf(KeyAt(slot), mask);
        while (m_slots[i] != 0) i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

}  // namespace duplicates
