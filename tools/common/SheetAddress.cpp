#include "tools/common/SheetAddress.h"

#include <algorithm>
#include <cwctype>

namespace blocks {

namespace {

std::wstring Letters(long column) {
    std::wstring letters;
    for (; column > 0; column = (column - 1) / 26) letters += static_cast<wchar_t>(L'A' + (column - 1) % 26);
    std::reverse(letters.begin(), letters.end());
    return letters;
}

std::wstring Cell(long row, long column) { return L"$" + Letters(column) + L"$" + std::to_wstring(row); }

// One end of an area: its column, its row, or both; 0 for a part left out.
struct End {
    long row = 0;
    long column = 0;
};

std::optional<End> ParseEnd(std::wstring_view text) {
    End end;
    size_t i = 0;
    auto skipDollar = [&] {
        if (i < text.size() && text[i] == L'$') ++i;
    };
    skipDollar();
    for (; i < text.size() && ((text[i] >= L'A' && text[i] <= L'Z') || (text[i] >= L'a' && text[i] <= L'z')); ++i) {
        end.column = end.column * 26 + (std::towupper(text[i]) - L'A' + 1);
        if (end.column > kSheetColumns) return std::nullopt;
    }
    skipDollar();
    const size_t digits = i;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        end.row = end.row * 10 + (text[i] - L'0');
        if (end.row > kSheetRows) return std::nullopt;
    }
    if (i != text.size() || (i > digits && end.row == 0) || (end.row == 0 && end.column == 0)) return std::nullopt;
    return end;
}

}  // namespace

std::wstring AddressOf(const BlockRect& rect) {
    // Whole columns and rows as Excel writes them, so that they mean the whole grid of any version.
    if (rect.row == 1 && rect.rows == kSheetRows)
        return L"$" + Letters(rect.column) + L":$" + Letters(rect.column + rect.columns - 1);
    if (rect.column == 1 && rect.columns == kSheetColumns)
        return L"$" + std::to_wstring(rect.row) + L":$" + std::to_wstring(rect.row + rect.rows - 1);
    std::wstring first = Cell(rect.row, rect.column);
    if (rect.rows == 1 && rect.columns == 1) return first;
    return first + L":" + Cell(rect.row + rect.rows - 1, rect.column + rect.columns - 1);
}

std::optional<BlockRect> ParseArea(std::wstring_view address) {
    size_t colon = address.find(L':');
    auto first = ParseEnd(address.substr(0, colon));
    auto last = colon == std::wstring_view::npos ? first : ParseEnd(address.substr(colon + 1));
    if (!first || !last) return std::nullopt;
    // Whole columns ("$A:$C") leave out the rows, whole rows ("$2:$5") the columns; both ends alike.
    if ((first->row == 0) != (last->row == 0) || (first->column == 0) != (last->column == 0)) return std::nullopt;
    if (colon == std::wstring_view::npos && (first->row == 0 || first->column == 0)) return std::nullopt;
    long top = first->row ? std::min(first->row, last->row) : 1;
    long bottom = first->row ? std::max(first->row, last->row) : kSheetRows;
    long left = first->column ? std::min(first->column, last->column) : 1;
    long right = first->column ? std::max(first->column, last->column) : kSheetColumns;
    return BlockRect{top, left, bottom - top + 1, right - left + 1};
}

std::vector<std::wstring> AddressPieces(std::wstring_view address, size_t longest) {
    std::vector<std::wstring> pieces;
    std::wstring piece;
    size_t start = 0;
    while (start <= address.size()) {
        size_t comma = address.find(L',', start);
        std::wstring_view area =
            address.substr(start, comma == std::wstring_view::npos ? std::wstring_view::npos : comma - start);
        if (!piece.empty() && piece.size() + 1 + area.size() > longest) {
            pieces.push_back(std::move(piece));
            piece.clear();
        }
        if (!piece.empty()) piece += L',';
        piece += area;
        if (comma == std::wstring_view::npos) break;
        start = comma + 1;
    }
    if (!piece.empty()) pieces.push_back(std::move(piece));
    return pieces;
}

}  // namespace blocks
