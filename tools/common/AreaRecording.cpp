#include "tools/common/AreaRecording.h"

#include "sheet/Application.h"
#include "sheet/AutomationError.h"
#include "tools/common/SheetAddress.h"

namespace blocks {

void LearnOwner(RunRecord& record, const sheet::Range& range) {
    if (record.HasOwner()) return;
    sheet::Worksheet owner = range.Worksheet();
    std::wstring workbook = owner.Parent().Name();
    std::wstring name = owner.Name();
    record.SetOwner(std::move(owner), std::move(workbook), std::move(name));
}

void AreaRecording::Learn() {
    LearnOwner(*m_record, m_area);
    std::wstring address = m_area.Address();
    auto place = ParseArea(std::wstring_view(address).substr(0, address.find(L',')));
    if (!place) throw sheet::CAutomationError(E_UNEXPECTED, L"Range.Address gave \"" + address + L"\", no cells.");
    m_top = place->row;
    m_left = place->column;
    m_placed = true;
}

BlockRect AreaRecording::OnSheet(const BlockRect& rect) {
    if (!m_placed) Learn();
    return {m_top + rect.row - 1, m_left + rect.column - 1, rect.rows, rect.columns};
}

}  // namespace blocks
