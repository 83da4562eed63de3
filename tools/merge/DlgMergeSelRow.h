// The "Merge By Row" option page.
#pragma once

#include "tools/merge/MergeOptionsPage.h"

class CDlgMergeSelRow : public CMergeOptionsPage {
public:
    explicit CDlgMergeSelRow(merge::MergeCommands& commands);
};
