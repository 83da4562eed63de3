#include "tools/duplicates/DuplicateRuns.h"

#include "tools/duplicates/ActOnRows.h"
#include "tools/common/ColumnLetters.h"
#include "tools/common/FillAndSelect.h"

namespace duplicates {

namespace {

// Excel refuses a longer reference text.
constexpr size_t kMaxReference = 255;

}  // namespace

DuplicateRuns::DuplicateRuns(const sheet::Application& app, const sheet::Worksheet& sheet, long left, long right,
                             DupAction action, COLORREF color)
    : m_app(app),
      m_sheet(sheet),
      m_leftLetters(blocks::ColumnLetters(left)),
      m_rightLetters(blocks::ColumnLetters(right)),
      m_action(action),
      m_color(color) {}

void DuplicateRuns::Add(long row) {
    if (row == m_runBottom + 1 && m_runBottom >= m_runTop) {
        m_runBottom = row;
        return;
    }
    CloseRun();
    m_runTop = m_runBottom = row;
}

void DuplicateRuns::CloseRun() {
    if (m_runBottom < m_runTop) return;
    std::wstring area =
        m_leftLetters + std::to_wstring(m_runTop) + L":" + m_rightLetters + std::to_wstring(m_runBottom);
    if (!m_pending.empty() && m_pending.size() + 1 + area.size() > kMaxReference) Flush();
    if (!m_pending.empty()) m_pending += L',';
    m_pending += area;
    m_pendingRows += m_runBottom - m_runTop + 1;
    m_runBottom = m_runTop - 1;
}

void DuplicateRuns::Flush() {
    if (m_pending.empty()) return;
    sheet::Range rows = m_sheet.Range(m_pending);
    if (m_action == DupAction::Select)
        AddToSelection(std::move(rows));
    else if (sheet::Range none; ActOnRows(m_app, rows, m_action, m_color, none))
        m_actedOn += m_pendingRows;
    m_flushedRows += m_pendingRows;
    m_pending.clear();
    m_pendingRows = 0;
}

void DuplicateRuns::AddToSelection(sheet::Range rows) {
    m_unions.push_back({std::move(rows), 1});
    while (m_unions.size() >= 2 && m_unions[m_unions.size() - 2].references == m_unions.back().references) {
        PartialUnion last = std::move(m_unions.back());
        m_unions.pop_back();
        m_unions.back().rows = m_app.Union(m_unions.back().rows, last.rows);
        m_unions.back().references *= 2;
    }
}

void DuplicateRuns::Finish() {
    CloseRun();
    Flush();
    if (m_unions.empty()) return;
    sheet::Range selection = std::move(m_unions.front().rows);
    for (size_t i = 1; i < m_unions.size(); ++i) selection = m_app.Union(selection, m_unions[i].rows);
    m_unions.clear();
    blocks::SelectCells(m_app, selection);
    m_actedOn = m_flushedRows;
}

}  // namespace duplicates
