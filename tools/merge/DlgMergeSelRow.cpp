#include "tools/merge/DlgMergeSelRow.h"

#include "res/resource.h"

CDlgMergeSelRow::CDlgMergeSelRow(merge::MergeCommands& commands)
    : CMergeOptionsPage(IDD_MERGE_BY_ROW, commands, {merge::MergeTarget::LeftCells, merge::MergeTarget::RightCells}) {}
