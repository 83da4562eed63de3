#include "tools/common/DisplayedTexts.h"

#include <algorithm>
#include <cwctype>

#include "tools/common/SubRange.h"

namespace blocks {

namespace {

// Below this many texts a rectangle of mixed formats asks each of them rather than its halves' formats: a
// half costs three calls, a text two.
constexpr long kAskDirectly = 3;

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) noexcept {
    if (text.size() != word.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (std::towlower(text[i]) != std::towlower(word[i])) return false;
    return true;
}

// Decides which texts of a block stand under a format that shows them as they are.
class TextFormats {
public:
    TextFormats(const Block& block, std::vector<std::size_t>& asked) : m_block(block), m_asked(asked) {}

    void Settle(const BlockRect& rect, const sheet::Variant& format) {
        if (format.IsString()) {
            if (!ShowsTextAsItIs(format.StringView())) AskTexts(rect);
            return;
        }
        // Cells of several formats (Null), or an answer that tells nothing.
        if (rect.Cells() == 1 || Texts(rect) <= kAskDirectly) {
            AskTexts(rect);
            return;
        }
        // Columns first: formats usually go with columns.
        const auto [first, second] = Halves(rect, HalveFirst::Columns);
        for (const BlockRect& half : {first, second})
            if (Texts(half) > 0)
                Settle(half, SubRange(m_block.Range(), m_block.Rows(), m_block.Columns(), half).NumberFormat());
    }

    long Texts(const BlockRect& rect) const noexcept {
        long texts = 0;
        for (long c = rect.column; c < rect.column + rect.columns; ++c)
            for (long r = rect.row; r < rect.row + rect.rows; ++r) texts += m_block.Value(r, c).vt == VT_BSTR;
        return texts;
    }

private:
    void AskTexts(const BlockRect& rect) {
        for (long c = rect.column; c < rect.column + rect.columns; ++c)
            for (long r = rect.row; r < rect.row + rect.rows; ++r)
                if (m_block.Value(r, c).vt == VT_BSTR)
                    m_asked.push_back(static_cast<size_t>(r - 1) + static_cast<size_t>(c - 1) * m_block.Rows());
    }

    const Block& m_block;
    std::vector<std::size_t>& m_asked;
};

}  // namespace

bool ShowsTextAsItIs(std::wstring_view numberFormat) noexcept {
    return numberFormat == L"@" || EqualsIgnoringCase(numberFormat, L"General");
}

DisplayedTexts DisplayedTexts::Read(const Block& block) {
    DisplayedTexts shown;
    shown.m_block = &block;
    const long rows = block.Rows();
    const long columns = block.Columns();
    std::vector<std::size_t> asked;
    bool anyText = false;
    for (long c = 1; c <= columns; ++c) {
        for (long r = 1; r <= rows; ++r) {
            const VARTYPE type = block.Value(r, c).vt;
            if (type == VT_BSTR)
                anyText = true;
            else if (type != VT_EMPTY)
                asked.push_back(static_cast<size_t>(r - 1) + static_cast<size_t>(c - 1) * rows);
        }
    }
    if (anyText) TextFormats(block, asked).Settle({1, 1, rows, columns}, block.Range().NumberFormat());
    std::sort(asked.begin(), asked.end());

    shown.m_asked.reserve(asked.size());
    for (std::size_t index : asked) {
        const long row = static_cast<long>(index % rows) + 1;
        const long column = static_cast<long>(index / rows) + 1;
        sheet::Variant text = block.Range().Item(row, column).Text();
        if (text.IsString()) shown.m_askedBytes += text.StringView().size() * sizeof(wchar_t);
        shown.m_asked.emplace_back(index, std::move(text));
    }
    return shown;
}

std::size_t DisplayedTexts::Index(long row, long column) const noexcept {
    return static_cast<size_t>(row - 1) + static_cast<size_t>(column - 1) * static_cast<size_t>(m_block->Rows());
}

std::wstring_view DisplayedTexts::At(long row, long column) const noexcept {
    if (!m_block || row < 1 || row > m_block->Rows() || column < 1 || column > m_block->Columns()) return {};
    const std::size_t index = Index(row, column);
    auto found = std::lower_bound(m_asked.begin(), m_asked.end(), index,
                                  [](const auto& entry, std::size_t i) { return entry.first < i; });
    if (found != m_asked.end() && found->first == index)
        return found->second.IsString() ? found->second.StringView() : std::wstring_view();
    return TextOf(m_block->Value(row, column));
}

}  // namespace blocks
