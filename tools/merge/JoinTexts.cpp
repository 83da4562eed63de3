#include "tools/merge/JoinTexts.h"

namespace merge {

namespace {

// Non-empty texts with the separator between them.
class Joined {
public:
    explicit Joined(std::wstring_view separator) : m_separator(separator) {}

    void Add(std::wstring_view text) {
        if (text.empty()) return;
        if (!m_first) m_text.append(m_separator);
        m_text.append(text);
        m_first = false;
    }

    std::wstring Take() { return std::move(m_text); }

private:
    std::wstring_view m_separator;
    std::wstring m_text;
    bool m_first = true;
};

}  // namespace

std::vector<std::wstring> JoinRows(const TextGrid& grid, std::wstring_view separator) {
    std::vector<std::wstring> results;
    results.reserve(static_cast<size_t>(grid.rows));
    for (long r = 1; r <= grid.rows; ++r) {
        Joined row(separator);
        for (long c = 1; c <= grid.columns; ++c) row.Add(grid.At(r, c));
        results.push_back(row.Take());
    }
    return results;
}

std::vector<std::wstring> JoinColumns(const TextGrid& grid, std::wstring_view separator) {
    std::vector<std::wstring> results;
    if (grid.rows < 1) return results;
    results.reserve(static_cast<size_t>(grid.columns));
    for (long c = 1; c <= grid.columns; ++c) results.push_back(grid.At(1, c));
    for (long r = 2; r <= grid.rows; ++r) {
        for (long c = 1; c <= grid.columns; ++c) {
            const std::wstring& text = grid.At(r, c);
            if (text.empty()) continue;
            std::wstring& column = results[static_cast<size_t>(c - 1)];
            column.append(separator);
            column.append(text);
        }
    }
    return results;
}

std::wstring JoinAll(const TextGrid& grid, std::wstring_view separator) {
    Joined all(separator);
    for (const std::wstring& text : grid.texts) all.Add(text);
    return all.Take();
}

std::vector<std::wstring> JoinGroups(const TextGrid& grid, Grouping grouping, std::wstring_view separator) {
    switch (grouping) {
    case Grouping::RowByRow: return JoinRows(grid, separator);
    case Grouping::ColumnByColumn: return JoinColumns(grid, separator);
    case Grouping::InOneCell: break;
    }
    return {JoinAll(grid, separator)};
}

bool GroupsAreSingleCells(Grouping grouping, long rows, long columns) {
    switch (grouping) {
    case Grouping::RowByRow: return columns == 1;
    case Grouping::ColumnByColumn: return rows == 1;
    case Grouping::InOneCell: return rows == 1 && columns == 1;
    }
    return false;
}

}  // namespace merge
