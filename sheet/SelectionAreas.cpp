#include "sheet/SelectionAreas.h"

#include "sheet/AutomationError.h"

namespace sheet {

namespace {

template <class Read>
auto OfCells(Read read) {
    try {
        return read();
    } catch (const CAutomationError& error) {
        if (error.Code() != DISP_E_MEMBERNOTFOUND) throw;
        throw CAutomationError(error.Code(), kSelectionIsNotCells);
    }
}

}  // namespace

Areas AreasOfSelection(const Range& selection) {
    return OfCells([&] { return selection.Areas(); });
}

Range RowsOfSelection(const Range& selection) {
    return OfCells([&] { return selection.Rows(); });
}

}  // namespace sheet
