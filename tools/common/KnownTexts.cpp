#include "tools/common/KnownTexts.h"

#include <functional>

namespace blocks {

namespace {

constexpr std::size_t kMaxBytes = 8u << 20;
// A text's node, key and string besides its characters, about.
constexpr std::size_t kEntryBytes = 64;

}  // namespace

std::size_t KnownTexts::KeyHash::operator()(const Key& key) const noexcept {
    std::size_t hash = std::hash<std::uint64_t>()(key.bits);
    for (std::uint64_t part : {static_cast<std::uint64_t>(key.column), static_cast<std::uint64_t>(key.look),
                               static_cast<std::uint64_t>(key.type)})
        hash = hash * 1000003u ^ std::hash<std::uint64_t>()(part);
    return hash;
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

}  // namespace blocks
