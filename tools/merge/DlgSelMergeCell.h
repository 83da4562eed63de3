// The "Merge In a Cell" option page.
#pragma once

#include "tools/merge/MergeOptionsPage.h"

class CDlgSelMergeCell : public CMergeOptionsPage {
public:
    explicit CDlgSelMergeCell(merge::MergeCommands& commands);
};
