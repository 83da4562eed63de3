#include "tools/cleanup/CaseMapping.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace cleanup {

namespace {

constexpr unsigned kCodeUnitCount = 0x10000;
constexpr unsigned kBlockSize = 0x100;

bool IsSurrogate(unsigned c) { return c >= 0xD800 && c <= 0xDFFF; }

// Code unit to code unit, in blocks of 256 that exist only where some unit changes.
class CaseTable {
public:
    wchar_t operator[](wchar_t c) const {
        const auto& block = m_blocks[c / kBlockSize];
        return block ? (*block)[c % kBlockSize] : c;
    }

    void Set(wchar_t from, wchar_t to) {
        auto& block = m_blocks[from / kBlockSize];
        if (!block) {
            block = std::make_unique<Block>();
            const unsigned first = from - from % kBlockSize;
            for (unsigned i = 0; i < kBlockSize; ++i) (*block)[i] = static_cast<wchar_t>(first + i);
        }
        (*block)[from % kBlockSize] = to;
    }

private:
    using Block = std::array<wchar_t, kBlockSize>;
    std::array<std::unique_ptr<Block>, kCodeUnitCount / kBlockSize> m_blocks;
};

// Every code unit but the surrogates mapped one by one, so that no pair is ever read as one character.
// One call does them all; should the system change the length, each is asked alone.
std::vector<wchar_t> InvariantMapping(DWORD flags) {
    std::vector<wchar_t> units(kCodeUnitCount);
    for (unsigned c = 0; c < kCodeUnitCount; ++c) units[c] = static_cast<wchar_t>(IsSurrogate(c) ? L'?' : c);
    std::vector<wchar_t> mapped(kCodeUnitCount);
    const int length = static_cast<int>(kCodeUnitCount - 1);
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, flags, units.data() + 1, length, mapped.data() + 1, length, nullptr,
                      nullptr, 0) != length) {
        for (unsigned c = 1; c < kCodeUnitCount; ++c) {
            wchar_t out[4] = {};
            const bool oneUnit =
                LCMapStringEx(LOCALE_NAME_INVARIANT, flags, &units[c], 1, out, 4, nullptr, nullptr, 0) == 1;
            mapped[c] = oneUnit ? out[0] : units[c];
        }
    }
    for (unsigned c = 0; c < kCodeUnitCount; ++c)
        if (c == 0 || IsSurrogate(c)) mapped[c] = static_cast<wchar_t>(c);
    return mapped;
}

// Letters of running text whose one-unit case forms do not map back to them, and which some systems' tables
// leave out: the Greek final sigma and the title-case digraphs of Croatian and Serbian Latin.
struct OneWayMapping {
    wchar_t from;
    wchar_t upper;
    wchar_t lower;
};

constexpr OneWayMapping kOneWayMappings[] = {
    {0x03C2, 0x03A3, 0x03C2},  // final sigma: upper case Sigma
    {0x01C5, 0x01C4, 0x01C6},  // Dz with caron
    {0x01C8, 0x01C7, 0x01C9},  // Lj
    {0x01CB, 0x01CA, 0x01CC},  // Nj
    {0x01F2, 0x01F1, 0x01F3},  // Dz
};

struct CaseTables {
    CaseTable upper;
    CaseTable lower;
};

std::unique_ptr<CaseTables> BuildCaseTables() {
    const std::vector<wchar_t> upper = InvariantMapping(LCMAP_UPPERCASE);
    const std::vector<wchar_t> lower = InvariantMapping(LCMAP_LOWERCASE);
    auto tables = std::make_unique<CaseTables>();
    for (unsigned c = 0; c < kCodeUnitCount; ++c) {
        const wchar_t unit = static_cast<wchar_t>(c);
        if (upper[c] != unit && lower[upper[c]] == unit) tables->upper.Set(unit, upper[c]);
        if (lower[c] != unit && upper[lower[c]] == unit) tables->lower.Set(unit, lower[c]);
    }
    for (const OneWayMapping& letter : kOneWayMappings) {
        tables->upper.Set(letter.from, letter.upper);
        tables->lower.Set(letter.from, letter.lower);
    }
    return tables;
}

const CaseTables& Tables() {
    static const std::unique_ptr<CaseTables> tables = BuildCaseTables();
    return *tables;
}

}  // namespace

wchar_t UpperCaseOf(wchar_t c) {
    if (c < 0x80) return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - (L'a' - L'A')) : c;
    return Tables().upper[c];
}

wchar_t LowerCaseOf(wchar_t c) {
    if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
    return Tables().lower[c];
}

}  // namespace cleanup
