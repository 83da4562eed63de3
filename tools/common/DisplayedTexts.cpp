#include "tools/common/DisplayedTexts.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <functional>
#include <optional>
#include <unordered_map>

#include "tools/common/CellLooks.h"
#include "tools/common/ColumnTexts.h"
#include "tools/common/KnownTexts.h"
#include "tools/common/SubRange.h"

namespace blocks {

namespace {

// Below this many cells a rectangle of mixed formats asks each of them rather than its halves' formats: a
// half costs three calls, a cell two.
constexpr std::size_t kAskDirectly = 3;
// From this many cells that ask, learning how they are drawn costs at most a few hundredths more.
constexpr std::size_t kLookAnyway = 256;

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) noexcept {
    if (text.size() != word.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (std::towlower(text[i]) != std::towlower(word[i])) return false;
    return true;
}

// A value in its column, drawn in one way: cells of one format that hold the same key show the same text.
struct ValueKey {
    KnownTexts::Key known;
    std::wstring_view text;

    friend bool operator==(const ValueKey& a, const ValueKey& b) { return a.known == b.known && a.text == b.text; }
};

struct ValueKeyHash {
    std::size_t operator()(const ValueKey& key) const noexcept {
        const std::size_t hash = KnownTexts::KeyHash()(key.known);
        return key.text.empty() ? hash : hash ^ std::hash<std::wstring_view>()(key.text);
    }
};

// False for a value whose equals may show differently: a currency amount, which Range.Value gives to four
// decimals only, and types Range.Value does not give for a cell.
bool KeyOf(const VARIANT& value, long column, std::uint32_t look, ValueKey& key) noexcept {
    key = {{column, look, value.vt, 0}, {}};
    switch (value.vt) {
    case VT_R8: std::memcpy(&key.known.bits, &value.dblVal, sizeof value.dblVal); return true;
    case VT_DATE: std::memcpy(&key.known.bits, &value.date, sizeof value.date); return true;
    case VT_BOOL: key.known.bits = value.boolVal != VARIANT_FALSE; return true;
    case VT_ERROR: key.known.bits = static_cast<std::uint32_t>(value.scode); return true;
    case VT_BSTR: key.text = TextOf(value); return true;
    default: return false;
    }
}

// A cell to ask Range.Text of, for one of the block's texts.
struct TextToAsk {
    std::size_t cell;
    std::uint32_t text;
    std::uint32_t look;
    bool remember;  // what the cell shows goes into the known texts, under its value, column and look
};

// Decides which cells of a block ask Range.Text, and which of them share one text.
class AskPlan {
public:
    // `texts` gets the block's texts, those known already and an empty place for each in `asks`.
    AskPlan(const Block& block, KnownTexts& known, std::vector<std::pair<std::size_t, std::uint32_t>>& shownBy,
            std::vector<sheet::Variant>& texts, std::vector<TextToAsk>& asks)
        : m_block(block),
          m_known(known),
          m_shownBy(shownBy),
          m_texts(texts),
          m_asks(asks),
          m_alone(static_cast<std::size_t>(block.Columns())),
          m_keyed(static_cast<std::size_t>(block.Columns())),
          m_shared(static_cast<std::size_t>(block.Columns())) {}

    void Make() {
        const BlockRect whole{1, 1, m_block.Rows(), m_block.Columns()};
        // Columns whose values do not repeat ask cell by cell, as grouping would not save a call there.
        for (long c = 1; c <= m_block.Columns(); ++c) {
            if (m_known.Shares(InArea(c))) continue;
            AskEach(Needing({1, c, m_block.Rows(), 1}, false));
            m_alone[static_cast<std::size_t>(c - 1)] = true;
        }
        const std::vector<std::size_t> cells = Needing(whole, false);
        if (!cells.empty()) {
            // Without texts, a block whose values hardly repeat costs least asked cell by cell.
            if (Texts(whole) == 0 && !WorthLooking(cells))
                AskEach(cells);
            else
                Settle(whole, m_block.Range().NumberFormat());
        }
        for (long c = 1; c <= m_block.Columns(); ++c) {
            const std::size_t i = static_cast<std::size_t>(c - 1);
            m_known.Learn(InArea(c), m_keyed[i], m_shared[i]);
        }
    }

private:
    void Settle(const BlockRect& rect, const sheet::Variant& format) {
        const bool known = format.IsString();
        const std::vector<std::size_t> cells = Needing(rect, known && ShowsTextAsItIs(format.StringView()));
        if (cells.empty()) return;
        const bool worthLooking = WorthLooking(cells);
        if (known) {
            if (!worthLooking) return AskEach(cells);
            if (const std::optional<Look> look = CommonLook(RangeOf(rect))) {
                std::wstring settings(format.StringView());
                settings += L'\x1E';
                settings += look->settings;
                return AskGrouped(cells, m_known.LookOf(settings, look->widthKnown));
            }
            // Drawn differently somewhere: the halves may each be alike. Columns first, as formats go.
            const auto [first, second] = Halves(rect, HalveFirst::Columns);
            for (const BlockRect& half : {first, second}) Settle(half, format);
            return;
        }
        // Cells of several formats (Null), or an answer that tells nothing.
        if (rect.Cells() == 1 || cells.size() <= kAskDirectly ||
            (!worthLooking && Texts(rect) <= static_cast<long>(kAskDirectly)))
            return AskEach(cells);
        const auto [first, second] = Halves(rect, HalveFirst::Columns);
        for (const BlockRect& half : {first, second})
            if (!Needing(half, false).empty()) Settle(half, RangeOf(half).NumberFormat());
    }

    // The cells whose text their value does not give, by index; texts count when not shown as they are.
    std::vector<std::size_t> Needing(const BlockRect& rect, bool textsAsTheyAre) const {
        std::vector<std::size_t> cells;
        for (long c = rect.column; c < rect.column + rect.columns; ++c) {
            if (m_alone[static_cast<std::size_t>(c - 1)]) continue;
            for (long r = rect.row; r < rect.row + rect.rows; ++r) {
                const VARTYPE type = m_block.Value(r, c).vt;
                if (type == VT_EMPTY || (type == VT_BSTR && textsAsTheyAre)) continue;
                cells.push_back(Index(r, c));
            }
        }
        return cells;
    }

    long Texts(const BlockRect& rect) const noexcept {
        long texts = 0;
        for (long c = rect.column; c < rect.column + rect.columns; ++c)
            for (long r = rect.row; r < rect.row + rect.rows; ++r) texts += m_block.Value(r, c).vt == VT_BSTR;
        return texts;
    }

    // True when sharing texts among equal values would save more calls than learning whether the cells are
    // drawn alike costs: each shared text saves a Text (and an Item where cells are reached alone); a rectangle of its
    // own costs up to a Resize and an Offset more. Many cells are looked at anyway: later blocks may repeat their
    // values.
    bool WorthLooking(const std::vector<std::size_t>& cells) const {
        if (cells.size() >= kLookAnyway) return true;
        std::unordered_map<ValueKey, std::uint32_t, ValueKeyHash> seen;
        long repeats = 0;
        for (std::size_t cell : cells) {
            ValueKey key;
            if (KeyOf(Value(cell), AreaColumn(cell), 0, key) && !seen.emplace(key, 0).second) ++repeats;
        }
        return repeats * 2 > kCommonLookCalls + 2;
    }

    void AskEach(const std::vector<std::size_t>& cells) {
        m_shownBy.reserve(m_shownBy.size() + cells.size());
        for (std::size_t cell : cells) Ask(cell, nullptr);
    }

    void AskGrouped(const std::vector<std::size_t>& cells, std::uint32_t look) {
        std::unordered_map<ValueKey, std::uint32_t, ValueKeyHash> slots;
        slots.reserve(cells.size());
        for (std::size_t cell : cells) {
            ValueKey key;
            if (!KeyOf(Value(cell), AreaColumn(cell), look, key)) {
                Ask(cell, nullptr);
                continue;
            }
            const std::size_t column = static_cast<std::size_t>(Column(cell) - 1);
            ++m_keyed[column];
            const auto [found, added] = slots.emplace(key, static_cast<std::uint32_t>(m_texts.size()));
            if (!added) {
                ++m_shared[column];
                m_shownBy.emplace_back(cell, found->second);
                continue;
            }
            if (key.known.type == VT_BSTR) {
                Ask(cell, nullptr);
            } else if (const std::wstring* text = m_known.Find(key.known)) {
                ++m_shared[column];
                m_shownBy.emplace_back(cell, static_cast<std::uint32_t>(m_texts.size()));
                m_texts.push_back(sheet::Variant::String(*text));
            } else {
                Ask(cell, &look);
            }
        }
    }

    // `remember`: the look under which the text goes into the known texts.
    void Ask(std::size_t cell, const std::uint32_t* remember) {
        const auto text = static_cast<std::uint32_t>(m_texts.size());
        m_shownBy.emplace_back(cell, text);
        m_texts.emplace_back();
        m_asks.push_back({cell, text, remember ? *remember : 0, remember != nullptr});
    }

    std::size_t Index(long row, long column) const noexcept {
        return static_cast<size_t>(row - 1) + static_cast<size_t>(column - 1) * static_cast<size_t>(m_block.Rows());
    }
    long Row(std::size_t cell) const noexcept { return static_cast<long>(cell % m_block.Rows()) + 1; }
    long Column(std::size_t cell) const noexcept { return static_cast<long>(cell / m_block.Rows()) + 1; }
    long AreaColumn(std::size_t cell) const noexcept { return m_block.Place().column + Column(cell) - 1; }
    long InArea(long column) const noexcept { return m_block.Place().column + column - 1; }
    const VARIANT& Value(std::size_t cell) const noexcept { return m_block.Value(Row(cell), Column(cell)); }
    sheet::Range RangeOf(const BlockRect& rect) const {
        return SubRange(m_block.Range(), m_block.Rows(), m_block.Columns(), rect);
    }

    const Block& m_block;
    KnownTexts& m_known;
    std::vector<std::pair<std::size_t, std::uint32_t>>& m_shownBy;
    std::vector<sheet::Variant>& m_texts;
    std::vector<TextToAsk>& m_asks;
    std::vector<char> m_alone;  // by block column: asked cell by cell already
    // By block column: the values grouped, and those of them that needed no call of their own.
    std::vector<std::size_t> m_keyed;
    std::vector<std::size_t> m_shared;
};

}  // namespace

bool ShowsTextAsItIs(std::wstring_view numberFormat) noexcept {
    return numberFormat == L"@" || EqualsIgnoringCase(numberFormat, L"General");
}

DisplayedTexts DisplayedTexts::Read(const Block& block) {
    KnownTexts known;
    return Read(block, known);
}

DisplayedTexts DisplayedTexts::Read(const Block& block, KnownTexts& known) {
    DisplayedTexts shown;
    shown.m_block = &block;
    std::vector<TextToAsk> asks;
    AskPlan(block, known, shown.m_shownBy, shown.m_texts, asks).Make();
    std::sort(shown.m_shownBy.begin(), shown.m_shownBy.end());

    // Column by column, each from the top: cells are indexed rows first within a column.
    std::sort(asks.begin(), asks.end(), [](const TextToAsk& a, const TextToAsk& b) { return a.cell < b.cell; });
    const std::size_t rows = static_cast<std::size_t>(block.Rows());
    std::vector<long> askedRows;
    for (std::size_t start = 0; start < asks.size();) {
        const long column = static_cast<long>(asks[start].cell / rows) + 1;
        std::size_t end = start;
        askedRows.clear();
        for (; end < asks.size() && static_cast<long>(asks[end].cell / rows) + 1 == column; ++end)
            askedRows.push_back(static_cast<long>(asks[end].cell % rows) + 1);
        AskColumnTexts(
            block.Range(), block.Rows(), block.Columns(), column, askedRows, [&](std::size_t i, sheet::Variant asked) {
                const TextToAsk& ask = asks[start + i];
                sheet::Variant& text = shown.m_texts[ask.text];
                text = std::move(asked);
                ++shown.m_cellsAsked;
                if (!text.IsString()) return;
                shown.m_askedBytes += text.StringView().size() * sizeof(wchar_t);
                ValueKey key;
                const long row = askedRows[i];
                if (ask.remember && KeyOf(block.Value(row, column), block.Place().column + column - 1, ask.look, key))
                    known.Add(key.known, text.StringView());
            });
        start = end;
    }
    return shown;
}

std::wstring_view DisplayedTexts::At(long row, long column) const noexcept {
    if (!m_block || row < 1 || row > m_block->Rows() || column < 1 || column > m_block->Columns()) return {};
    const std::size_t index =
        static_cast<size_t>(row - 1) + static_cast<size_t>(column - 1) * static_cast<size_t>(m_block->Rows());
    auto found = std::lower_bound(m_shownBy.begin(), m_shownBy.end(), index,
                                  [](const auto& entry, std::size_t i) { return entry.first < i; });
    if (found != m_shownBy.end() && found->first == index) {
        const sheet::Variant& text = m_texts[found->second];
        return text.IsString() ? text.StringView() : std::wstring_view();
    }
    return TextOf(m_block->Value(row, column));
}

}  // namespace blocks
