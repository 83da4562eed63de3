#include "tools/merge/DlgSelMergeCell.h"

#include "res/resource.h"

CDlgSelMergeCell::CDlgSelMergeCell(merge::MergeCommands& commands)
    : CMergeOptionsPage(IDD_MERGE_IN_A_CELL, commands,
                        {merge::MergeTarget::TopLeftCell, merge::MergeTarget::TopRightCell,
                         merge::MergeTarget::BottomLeftCell, merge::MergeTarget::BottomRightCell}) {}
