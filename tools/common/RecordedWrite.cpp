#include "tools/common/RecordedWrite.h"

#include "tools/common/BlockWriter.h"
#include "tools/common/PreviousContents.h"

namespace blocks {

long WriteChanges(const Block& read, const BlockChanges& changes, AreaRecording& recording) {
    if (recording.On() && changes.Any()) {
        const PreviousContents previous(read, changes);
        const BlockRect place = recording.OnSheet(read.Place());
        RunRecord& record = recording.Record();
        record.BeginCells(static_cast<std::size_t>(changes.Count()));
        for (long r = 1; r <= changes.Rows(); ++r)
            for (long c = 1; c <= changes.Columns(); ++c)
                if (changes.IsChanged(r, c))
                    record.AddCell(place.row + r - 1, place.column + c - 1, previous.At(r, c),
                                   ContentWritten(changes.At(r, c).get()));
        record.EndCells();
    }
    return WriteChanges(read.Range(), changes);
}

}  // namespace blocks
