// The record of the run in progress. The writers of tools/common (the block writer, the fills, the selection)
// and Merge Cell Text's formats record into it before each change they make, so that no tool can change a
// sheet without its change being kept for Undo Last Run. Outside a run nothing is recorded and nothing read.
#pragma once

#include "sheet/Application.h"
#include "tools/common/RunRecord.h"

namespace blocks {

// While it lasts, what the writers change on this thread goes into `record`.
class RecordingRun {
public:
    // `app` tells whether fills have theme colours (Excel 2007 and later): one Version call.
    RecordingRun(RunRecord& record, const sheet::Application& app);
    ~RecordingRun();
    RecordingRun(const RecordingRun&) = delete;
    RecordingRun& operator=(const RecordingRun&) = delete;

private:
    RunRecord* m_outer;
};

// The record of the run in progress on this thread; null outside a run, and once the record has overflowed
// (then nothing more is worth reading).
RunRecord* CurrentRecord() noexcept;

// Makes the sheet that `range` lies on the record's owner, unless it has one: Worksheet, its Name and its
// workbook's Name, once a run.
void LearnOwner(RunRecord& record, const sheet::Range& range);

}  // namespace blocks
