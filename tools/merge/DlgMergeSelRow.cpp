#include "tools/merge/DlgMergeSelRow.h"

#include "res/resource.h"

CDlgMergeSelRow::CDlgMergeSelRow()
    : CMergeOptionsPage(IDD_MERGE_BY_ROW, {merge::MergeTarget::LeftCells, merge::MergeTarget::RightCells}) {}
