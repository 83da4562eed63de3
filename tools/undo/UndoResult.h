// What Undo Last Run did, for the user to be told.
#pragma once

namespace undo {

struct UndoResult {
    // The sheet the run changed is no longer open: nothing was put back.
    bool sheetGone = false;
    // Cells whose content or fill is as before the run again.
    long cellsPutBack = 0;
    // Cells the user changed since the run, left as they are.
    long cellsLeft = 0;
    bool selectionPutBack = false;
};

}  // namespace undo
