#include "host/excel/Address.h"

#include <cwctype>

namespace host {

namespace {

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
    return text;
}

// One side of an area: a cell "$B$2", a column "B" or a row "2". Zero marks the part not given.
struct Corner {
    long row = 0;
    long column = 0;
};

std::optional<Corner> ParseCorner(std::wstring_view text, const SheetSize& size) {
    Corner corner;
    size_t i = 0;
    if (i < text.size() && text[i] == L'$') ++i;
    size_t lettersStart = i;
    while (i < text.size() && IsAsciiLetter(text[i])) ++i;
    if (i > lettersStart) {
        corner.column = ColumnFromLetters(text.substr(lettersStart, i - lettersStart));
        if (corner.column == 0 || corner.column > size.columns) return std::nullopt;
    }
    bool rowDollar = i > lettersStart && i < text.size() && text[i] == L'$';
    if (rowDollar) ++i;
    size_t digitsStart = i;
    long row = 0;
    while (i < text.size() && IsDigit(text[i])) {
        row = row * 10 + (text[i] - L'0');
        if (row > size.rows) return std::nullopt;
        ++i;
    }
    if (i != text.size()) return std::nullopt;
    if (rowDollar && i == digitsStart) return std::nullopt;
    if (i > digitsStart) {
        if (row == 0) return std::nullopt;
        corner.row = row;
    }
    if (corner.row == 0 && corner.column == 0) return std::nullopt;
    return corner;
}

std::optional<Area> ParseArea(std::wstring_view text, const SheetSize& size) {
    text = Trim(text);
    size_t colon = text.find(L':');
    auto first = ParseCorner(text.substr(0, colon), size);
    if (!first) return std::nullopt;
    if (colon == std::wstring_view::npos) {
        // A lone column or row is not a reference; only a cell is.
        if (first->row == 0 || first->column == 0) return std::nullopt;
        return Area::Cell(first->row, first->column);
    }
    auto second = ParseCorner(text.substr(colon + 1), size);
    if (!second) return std::nullopt;
    bool firstIsCell = first->row && first->column;
    bool secondIsCell = second->row && second->column;
    Area area;
    if (firstIsCell && secondIsCell) {
        area = Area{first->row, first->column, second->row, second->column};
    } else if (!first->row && !second->row && first->column && second->column) {
        area = Area{1, first->column, size.rows, second->column};
    } else if (!first->column && !second->column && first->row && second->row) {
        area = Area{first->row, 1, second->row, size.columns};
    } else {
        return std::nullopt;
    }
    if (area.top > area.bottom) std::swap(area.top, area.bottom);
    if (area.left > area.right) std::swap(area.left, area.right);
    return area;
}

// Splits "Sheet!refs" into the sheet name (unquoted, without a book) and the references.
bool SplitSheet(std::wstring_view text, std::wstring& sheet, std::wstring_view& rest) {
    text = Trim(text);
    if (!text.empty() && text.front() == L'\'') {
        std::wstring name;
        size_t i = 1;
        for (;; ++i) {
            if (i >= text.size()) return false;
            if (text[i] == L'\'') {
                if (i + 1 < text.size() && text[i + 1] == L'\'') {
                    name += L'\'';
                    ++i;
                    continue;
                }
                break;
            }
            name += text[i];
        }
        if (i + 1 >= text.size() || text[i + 1] != L'!') return false;
        sheet = name;
        rest = text.substr(i + 2);
    } else {
        size_t bang = text.find(L'!');
        if (bang == std::wstring_view::npos) {
            sheet.clear();
            rest = text;
            return true;
        }
        sheet.assign(text.substr(0, bang));
        rest = text.substr(bang + 1);
    }
    if (!sheet.empty() && sheet.front() == L'[') {
        size_t close = sheet.find(L']');
        if (close == std::wstring::npos) return false;
        sheet.erase(0, close + 1);
    }
    return !sheet.empty();
}

std::wstring RowText(long row, bool absolute) { return (absolute ? L"$" : L"") + std::to_wstring(row); }

std::wstring ColumnText(long column, bool absolute) { return (absolute ? L"$" : L"") + ColumnLetters(column); }

std::wstring R1C1Part(wchar_t letter, long value, bool absolute, long origin) {
    std::wstring text(1, letter);
    if (absolute) return text + std::to_wstring(value);
    long offset = value - origin;
    if (offset != 0) text += L"[" + std::to_wstring(offset) + L"]";
    return text;
}

std::wstring FormatAreaA1(const Area& area, const AddressOptions& o) {
    if (area.SpansAllColumns(o.sheetSize)) {
        return RowText(area.top, o.rowAbsolute) + L":" + RowText(area.bottom, o.rowAbsolute);
    }
    if (area.SpansAllRows(o.sheetSize)) {
        return ColumnText(area.left, o.columnAbsolute) + L":" + ColumnText(area.right, o.columnAbsolute);
    }
    std::wstring first = ColumnText(area.left, o.columnAbsolute) + RowText(area.top, o.rowAbsolute);
    if (area.IsSingleCell()) return first;
    return first + L":" + ColumnText(area.right, o.columnAbsolute) + RowText(area.bottom, o.rowAbsolute);
}

std::wstring FormatAreaR1C1(const Area& area, const AddressOptions& o) {
    auto row = [&](long r) { return R1C1Part(L'R', r, o.rowAbsolute, o.relativeToRow); };
    auto column = [&](long c) { return R1C1Part(L'C', c, o.columnAbsolute, o.relativeToColumn); };
    if (area.SpansAllColumns(o.sheetSize)) {
        return area.top == area.bottom ? row(area.top) : row(area.top) + L":" + row(area.bottom);
    }
    if (area.SpansAllRows(o.sheetSize)) {
        return area.left == area.right ? column(area.left) : column(area.left) + L":" + column(area.right);
    }
    std::wstring first = row(area.top) + column(area.left);
    if (area.IsSingleCell()) return first;
    return first + L":" + row(area.bottom) + column(area.right);
}

}  // namespace

std::wstring ColumnLetters(long column) {
    if (column < 1 || column > kMaxColumns) return {};
    std::wstring letters;
    while (column > 0) {
        long digit = (column - 1) % 26;
        letters.insert(letters.begin(), wchar_t(L'A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

long ColumnFromLetters(std::wstring_view letters) {
    if (letters.empty() || letters.size() > 3) return 0;
    long column = 0;
    for (wchar_t c : letters) {
        if (!IsAsciiLetter(c)) return 0;
        column = column * 26 + (std::towupper(c) - L'A' + 1);
    }
    return column <= kMaxColumns ? column : 0;
}

std::optional<Reference> ParseReference(std::wstring_view text, const SheetSize& size) {
    Reference reference;
    bool first = true;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(L',', start);
        std::wstring_view part =
            text.substr(start, comma == std::wstring_view::npos ? std::wstring_view::npos : comma - start);
        std::wstring sheet;
        std::wstring_view refs;
        if (!SplitSheet(part, sheet, refs)) return std::nullopt;
        if (!sheet.empty()) {
            if (first) {
                reference.sheetName = sheet;
            } else if (sheet != reference.sheetName) {
                return std::nullopt;
            }
        }
        auto area = ParseArea(refs, size);
        if (!area) return std::nullopt;
        reference.areas.push_back(*area);
        first = false;
        if (comma == std::wstring_view::npos) break;
        start = comma + 1;
    }
    if (reference.areas.empty()) return std::nullopt;
    return reference;
}

std::wstring QuoteSheetName(const std::wstring& name) {
    bool plain = !name.empty() && !IsDigit(name.front());
    for (wchar_t c : name) {
        if (!(IsAsciiLetter(c) || IsDigit(c) || c == L'_' || c == L'.' || c > 0x7F)) plain = false;
    }
    if (plain) return name;
    std::wstring quoted = L"'";
    for (wchar_t c : name) {
        quoted += c;
        if (c == L'\'') quoted += L'\'';
    }
    return quoted + L"'";
}

std::wstring FormatAddress(const std::vector<Area>& areas, const AddressOptions& options) {
    std::wstring text;
    if (options.external) {
        std::wstring prefix = L"[" + options.workbookName + L"]" + options.sheetName;
        std::wstring quoted = QuoteSheetName(prefix);
        // The book's brackets alone do not call for quotes.
        bool needsQuotes = QuoteSheetName(options.sheetName) != options.sheetName;
        text = (needsQuotes ? quoted : prefix) + L"!";
    }
    for (size_t i = 0; i < areas.size(); ++i) {
        if (i) text += L',';
        text +=
            options.style == ReferenceStyle::R1C1 ? FormatAreaR1C1(areas[i], options) : FormatAreaA1(areas[i], options);
    }
    return text;
}

}  // namespace host
