// The "Merge By Column" option page.
#pragma once

#include "tools/merge/MergeOptionsPage.h"

class CDlgMergeSelCol : public CMergeOptionsPage {
public:
    explicit CDlgMergeSelCol(merge::MergeCommands& commands);
};
