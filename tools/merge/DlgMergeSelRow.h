// The "Merge By Row" option page.
#pragma once

#include "tools/merge/MergeOptionsPage.h"

class CDlgMergeSelRow : public CMergeOptionsPage {
public:
    CDlgMergeSelRow();
};
