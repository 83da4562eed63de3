#include "tools/common/TextCharacters.h"

#include <windows.h>

#include <bitset>

namespace {
constexpr unsigned kFirstSystemClassified = 256;
constexpr unsigned kCodeUnitCount = 0x10000;

using SpaceTable = std::bitset<kCodeUnitCount>;

bool IsFixedWhiteSpace(unsigned c) { return (c >= 9 && c <= 13) || c == 32 || c == 160; }

// Asks the system once for the whole range from 256 up; one call per chunk keeps it fast.
// A chunk the system refuses to classify contributes no spaces.
SpaceTable BuildSpaceTable() {
    SpaceTable table;
    for (unsigned c = 0; c < kFirstSystemClassified; ++c) table[c] = IsFixedWhiteSpace(c);

    constexpr unsigned kChunk = 4096;
    wchar_t units[kChunk];
    WORD types[kChunk];
    for (unsigned start = kFirstSystemClassified; start < kCodeUnitCount; start += kChunk) {
        const unsigned count = (kCodeUnitCount - start < kChunk) ? kCodeUnitCount - start : kChunk;
        for (unsigned i = 0; i < count; ++i) units[i] = static_cast<wchar_t>(start + i);
        if (!GetStringTypeW(CT_CTYPE1, units, static_cast<int>(count), types)) continue;
        for (unsigned i = 0; i < count; ++i) table[start + i] = (types[i] & C1_SPACE) != 0;
    }
    return table;
}

const SpaceTable& SystemSpaceTable() {
    static const SpaceTable table = BuildSpaceTable();
    return table;
}
}  // namespace

bool IsWhiteSpace(wchar_t c) {
    const unsigned unit = static_cast<unsigned>(c);
    if (unit < kFirstSystemClassified) return IsFixedWhiteSpace(unit);
    return SystemSpaceTable()[unit];
}

bool IsNonPrinting(wchar_t c) {
    const unsigned unit = static_cast<unsigned>(c);
    if (unit >= 1 && unit <= 31) return true;
    switch (unit) {
    case 127:
    case 129:
    case 141:
    case 143:
    case 145:
    case 157: return true;
    default: return false;
    }
}
