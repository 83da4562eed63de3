#include "tools/duplicates/SelectionCells.h"

#include "sheet/AutomationError.h"

namespace duplicates {

sheet::Range RowsOfCells(const sheet::Range& range) {
    try {
        return range.Rows();
    } catch (const sheet::CAutomationError& error) {
        if (error.Code() != DISP_E_MEMBERNOTFOUND) throw;
        throw sheet::CAutomationError(error.Code(), sheet::kSelectionIsNotCells);
    }
}

}  // namespace duplicates
