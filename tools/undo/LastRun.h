// The record of the last run, which Undo Last Run puts back: the add-in keeps one, a new run replaces it, and
// it goes with Excel's connection.
#pragma once

#include <memory>
#include <string>

#include "tools/common/RunRecord.h"

namespace undo {

class LastRun {
public:
    // A new, empty record for the run that begins; the last one goes.
    blocks::RunRecord& Begin(std::size_t limitBytes = blocks::RunRecord::kLimitBytes);
    // True while there is something to put back.
    bool Undoable() const noexcept { return m_record && !m_record->Empty(); }
    // Null when no run has been kept.
    blocks::RunRecord* Record() const noexcept { return m_record.get(); }
    void Release() noexcept { m_record.reset(); }

    // What a run says on the status bar, with a note when its record outgrew the limit.
    std::wstring Noted(std::wstring outcome) const;

private:
    std::unique_ptr<blocks::RunRecord> m_record;
};

}  // namespace undo
