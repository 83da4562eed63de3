#include "tools/undo/LastRun.h"

namespace undo {

blocks::RunRecord& LastRun::Begin(std::size_t limitBytes) {
    // The old record goes first, so that two never take memory at once.
    m_record.reset();
    m_record = std::make_unique<blocks::RunRecord>(limitBytes);
    return *m_record;
}

std::wstring LastRun::Noted(std::wstring outcome) const {
    if (m_record && m_record->Overflowed())
        outcome += L"; too many changes to keep, so Undo Last Run cannot put them back";
    return outcome;
}

}  // namespace undo
