// What the areas of one run of Merge Cell Text share, and the steps every grouping takes alike.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/common/BlockRect.h"
#include "tools/common/BlockReader.h"
#include "tools/common/KnownTexts.h"
#include "tools/common/PlacedRectangles.h"
#include "tools/merge/JoinTexts.h"
#include "tools/merge/MergeRequest.h"
#include "tools/status/Progress.h"

namespace merge {

struct MergeRun {
    const MergeRequest& request;
    MergeResult& result;
    status::Progress& progress;
    long rowsDone = 0;  // of the rows progress was told of
};

// The joined texts as they are written, by the rule every tool writes texts by (TypedTextWithinLimit), so
// that the cell holds exactly the joined text. Only the groups before the first one
// too long for a cell are given; `firstTooLong` is that group's index, or -1.
struct TypedTexts {
    std::vector<std::wstring> texts;
    long firstTooLong = -1;
};
// The joins' texts are handed over.
TypedTexts TypedTextsOf(std::vector<JoinedText>& joins);

// Which groups joined into a text: one flag a group.
std::vector<bool> Joined(const std::vector<std::wstring>& texts);
// Which cells of their own show a text (the group of one cell, whose text is never written back).
std::vector<bool> ShowText(const std::vector<JoinedText>& joins);
long CountOf(const std::vector<bool>& flags);

// Fails the run because the group at `where` ("row 7", "column C") joins into a text too long for a cell; with
// no place, because the area does.
[[noreturn]] void FailTooLong(const std::wstring& where = std::wstring());

// Feeds the texts the block's cells show, row by row, to the joins of their groups: the join of the block's
// row or column, counted from index `first`, or for InOneCell the first join alone. `known`: what the earlier
// blocks of the same reader asked Range.Text for.
void JoinBlock(const blocks::Block& block, Grouping grouping, std::vector<JoinedText>& joins, long first,
               blocks::KnownTexts& known);

// What a target without a joined text gets.
enum class EmptyTarget : char {
    Keep,       // nothing
    MayEmpty,   // a blank cell: written as nothing only to keep the texts around it in one put
    MustEmpty,  // emptied, as its group is
};

// Writes the groups' texts into a row or column of target cells, through the block writer; a group without
// text gets what `empty` says. One by one into the cell `receiving` gives for a group (from 0), where some
// target may lie in a merged area: a rectangle round the merged area would drop its text.
// The texts are handed over and let go as they are put into the write.
void WriteTargets(const sheet::Range& targets, bool byRow, std::vector<std::wstring> texts,
                  const std::vector<EmptyTarget>& empty,
                  const std::function<sheet::Range(long group)>& receiving = nullptr);

// What each target of a group without text gets: emptied with its group when `clears`, except where merged
// cells may be in the way (not `freeOfMerges`: the group is emptied whole, or left, as the caller does); a
// blank target written as nothing where that keeps one put.
std::vector<EmptyTarget> EmptyTargets(const std::vector<bool>& blankTargets, long count, bool freeOfMerges,
                                      bool clears);

// Empties every cell of the groups of a band (rows) or strip (columns) but the first of each (its leftmost or
// top cell), which holds the joined text. Where merged cells may be in the way (not `freeOfMerges`), a group
// without text is emptied whole rather than cut through.
void EmptyAllButFirst(const blocks::PlacedBlock& block, Grouping grouping, const std::vector<bool>& joined,
                      bool freeOfMerges);

// Empties each range's cells (values only) through the block writer.
void EmptyCells(const std::vector<sheet::Range>& ranges);

}  // namespace merge
