#include "tools/merge/DlgMergeSelCol.h"

#include "res/resource.h"

CDlgMergeSelCol::CDlgMergeSelCol(merge::MergeCommands& commands)
    : CMergeOptionsPage(IDD_MERGE_BY_COLUMN, commands, {merge::MergeTarget::TopCells, merge::MergeTarget::BottomCells}) {}
