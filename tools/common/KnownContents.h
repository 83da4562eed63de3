// What an engine has just read of the cells it is about to write, lent to the run's record: while a
// KnownContents lasts, a recorded write that lies inside one of its blocks takes what it replaces from that
// block's read instead of reading the cells again. The blocks must still hold what the cells hold when the
// first such write is recorded; everything the record may want of a block (where its formulas are, their
// texts, exact amounts) is read then, before any of the block's cells change.
#pragma once

#include <memory>
#include <vector>

#include "tools/common/BlockReader.h"
#include "tools/common/PreviousContents.h"

namespace blocks {

class KnownContents {
public:
    // Lends the blocks (with their places on the sheet) to the recording on this thread; outside a run it
    // does nothing. The blocks must outlive it.
    KnownContents();
    ~KnownContents();
    KnownContents(const KnownContents&) = delete;
    KnownContents& operator=(const KnownContents&) = delete;

    void Add(const Block& block, const BlockRect& onSheet);

    struct Known {
        PreviousContents previous;
        BlockRect onSheet;
    };
    // The part of an area (on the sheet) that one block's read covers.
    struct Part {
        Known* known;
        BlockRect cells;
    };
    // The parts of `area` that the lent blocks cover, when together they cover all of it; none otherwise.
    static std::vector<Part> Covering(const BlockRect& area);

private:
    std::vector<std::unique_ptr<Known>> m_known;
    KnownContents* m_outer;
    bool m_lent;
};

}  // namespace blocks
