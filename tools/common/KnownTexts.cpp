#include "tools/common/KnownTexts.h"

#include <functional>

namespace blocks {

namespace {

constexpr std::size_t kMaxBytes = 8u << 20;
// A text's node, key and string besides its characters, about.
constexpr std::size_t kEntryBytes = 64;
// Below this many values, whether a column repeats is not told: the values may come round again later.
constexpr std::size_t kTellingValues = 16384;
// A column shares when at least one value in this many needs no call of its own.
constexpr std::size_t kSharingShare = 16;
// A column that does not share looks again every this many blocks.
constexpr unsigned kLookAgain = 16;

}  // namespace

std::size_t SpreadBits(std::uint64_t bits) noexcept {
    bits ^= bits >> 30;
    bits *= 0xbf58476d1ce4e5b9ull;
    bits ^= bits >> 27;
    bits *= 0x94d049bb133111ebull;
    bits ^= bits >> 31;
    return static_cast<std::size_t>(bits);
}

std::size_t KnownTexts::KeyHash::operator()(const Key& key) const noexcept {
    return SpreadBits(key.bits ^ SpreadBits((static_cast<std::uint64_t>(key.look) << 32) ^
                                            (static_cast<std::uint64_t>(key.type) << 24) ^
                                            static_cast<std::uint32_t>(key.column)));
}

std::uint32_t KnownTexts::LookOf(const std::wstring& settings, bool sharedByRectangles) {
    if (!sharedByRectangles) return m_nextLook++;
    const auto [found, added] = m_looks.emplace(settings, m_nextLook);
    if (added) ++m_nextLook;
    return found->second;
}

const std::wstring* KnownTexts::Find(const Key& key) const {
    auto found = m_texts.find(key);
    return found == m_texts.end() ? nullptr : &found->second;
}

void KnownTexts::Add(const Key& key, std::wstring_view text) {
    const std::size_t bytes = kEntryBytes + text.size() * sizeof(wchar_t);
    if (m_bytes + bytes > kMaxBytes) {
        m_texts.clear();
        m_bytes = 0;
    }
    if (m_texts.emplace(key, std::wstring(text)).second) m_bytes += bytes;
}

bool KnownTexts::Shares(long column) const {
    auto found = m_columns.find(column);
    return found == m_columns.end() || found->second.repeats || found->second.blocksSince % kLookAgain == 0;
}

void KnownTexts::Learn(long column, std::size_t keyed, std::size_t shared) {
    ColumnUse& use = m_columns[column];
    if (!use.repeats) ++use.blocksSince;
    use.keyed += keyed;
    use.shared += shared;
    if (use.keyed < kTellingValues) return;
    const bool repeats = use.shared * kSharingShare >= use.keyed;
    use.keyed = use.shared = 0;
    if (!repeats) Forget(column);
    if (repeats == use.repeats) return;
    use.repeats = repeats;
    use.blocksSince = 1;
}

void KnownTexts::Forget(long column) {
    for (auto entry = m_texts.begin(); entry != m_texts.end();) {
        if (entry->first.column != column) {
            ++entry;
            continue;
        }
        m_bytes -= kEntryBytes + entry->second.size() * sizeof(wchar_t);
        entry = m_texts.erase(entry);
    }
    // The buckets go with the texts.
    if (m_texts.empty()) decltype(m_texts)().swap(m_texts);
}

}  // namespace blocks
