// What the Remove Duplicates pages need from the add-in: the columns to offer, where the ticked ones go, and
// the engine their Finish runs. The command's run implements it, so the pages never reach up into the add-in.
#pragma once

#include <windows.h>

#include <vector>

#include "tools/duplicates/ColumnHeadings.h"
#include "tools/duplicates/DupAction.h"
#include "tools/duplicates/RemoveDuplicates.h"

namespace duplicates {

class DuplicatesCommands {
public:
    // The working range's columns as they stand now. Automation failures propagate.
    virtual std::vector<ColumnHeading> KeyColumnChoices() = 0;
    // Ascending offsets from the working range's first column.
    virtual void SetKeyColumns(std::vector<UINT> offsets) = 0;
    virtual DuplicatesResult RunRemoveDuplicates(DupAction action, COLORREF color) = 0;

protected:
    ~DuplicatesCommands() = default;
};

}  // namespace duplicates
