#include "tools/merge/JoinTexts.h"

namespace merge {

void JoinedText::Add(std::wstring_view text) {
    if (m_tooLong) return;
    text = text.substr(0, text.find(L'\0'));
    const bool first = m_first;
    m_first = false;
    if (first && m_rule == JoinRule::FromFirst) {
        Append({}, text);
        return;
    }
    if (text.empty()) return;
    // Under BetweenNonEmpty the first non-empty text is the first one kept.
    Append(m_text.empty() && m_rule == JoinRule::BetweenNonEmpty ? std::wstring_view() : m_separator, text);
}

void JoinedText::Append(std::wstring_view separator, std::wstring_view text) {
    if (m_text.size() + separator.size() + text.size() > kCellTextLimit) {
        m_tooLong = true;
        std::wstring().swap(m_text);
        return;
    }
    m_text.append(separator);
    m_text.append(text);
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
