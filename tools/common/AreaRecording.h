// One area of the sheet a run changes, tied to the run's record. At the area's first recorded change it learns
// where the area lies (one Range.Address) and, at the run's first, which sheet the run changes (the record's
// owner: Range.Worksheet, its Name and its workbook's Name).
#pragma once

#include "sheet/Range.h"
#include "tools/common/RunRecord.h"

namespace blocks {

// Makes the sheet that `range` lies on the record's owner, unless it has one.
void LearnOwner(RunRecord& record, const sheet::Range& range);

class AreaRecording {
public:
    // Records nothing.
    AreaRecording() noexcept = default;
    AreaRecording(RunRecord& record, sheet::Range area) noexcept : m_record(&record), m_area(std::move(area)) {}

    bool On() const noexcept { return m_record != nullptr; }
    RunRecord& Record() const noexcept { return *m_record; }
    const sheet::Range& Area() const noexcept { return m_area; }

    // A rectangle of the area (from (1, 1) at its top-left cell) as the sheet's own.
    BlockRect OnSheet(const BlockRect& rect);

private:
    void Learn();

    RunRecord* m_record = nullptr;
    sheet::Range m_area;
    bool m_placed = false;
    long m_top = 1;
    long m_left = 1;
};

}  // namespace blocks
