#include "tools/duplicates/DuplicateRuns.h"

#include "tools/duplicates/ActOnRows.h"
#include "tools/duplicates/ColumnLetters.h"

namespace duplicates {

namespace {

// Excel refuses a longer reference text.
constexpr size_t kMaxReference = 255;

}  // namespace

DuplicateRuns::DuplicateRuns(const sheet::Application& app, const sheet::Worksheet& sheet, long left, long right,
                             DupAction action, COLORREF color)
    : m_app(app),
      m_sheet(sheet),
      m_leftLetters(ColumnLetters(left)),
      m_rightLetters(ColumnLetters(right)),
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
    std::wstring area = m_leftLetters + std::to_wstring(m_runTop) + L":" + m_rightLetters + std::to_wstring(m_runBottom);
    if (!m_pending.empty() && m_pending.size() + 1 + area.size() > kMaxReference) Flush();
    if (!m_pending.empty()) m_pending += L',';
    m_pending += area;
    m_pendingRows += m_runBottom - m_runTop + 1;
    m_runBottom = m_runTop - 1;
}

void DuplicateRuns::Flush() {
    if (m_pending.empty()) return;
    bool acted = ActOnRows(m_app, m_sheet.Range(m_pending), m_action, m_color, m_selection);
    if (acted && m_action != DupAction::Select) m_actedOn += m_pendingRows;
    m_flushedRows += m_pendingRows;
    m_pending.clear();
    m_pendingRows = 0;
}

void DuplicateRuns::Finish() {
    CloseRun();
    Flush();
    if (m_selection.IsEmpty()) return;
    m_selection.Select();
    m_actedOn = m_flushedRows;
}

}  // namespace duplicates
