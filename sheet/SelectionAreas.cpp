#include "sheet/SelectionAreas.h"

#include "sheet/AutomationError.h"

namespace sheet {

Areas AreasOfSelection(const Range& selection) {
    try {
        return selection.Areas();
    } catch (const CAutomationError& error) {
        if (error.Code() != DISP_E_MEMBERNOTFOUND) throw;
        throw CAutomationError(error.Code(),
                               L"The selection is not a range of cells. Select the cells to change and try again.");
    }
}

}  // namespace sheet
