#include "tools/merge/DlgMergeSelCol.h"

#include "res/resource.h"

CDlgMergeSelCol::CDlgMergeSelCol()
    : CMergeOptionsPage(IDD_MERGE_BY_COLUMN, {merge::MergeTarget::TopCells, merge::MergeTarget::BottomCells}) {}
