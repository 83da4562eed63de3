#include "tools/common/FillAndSelect.h"

#include "tools/common/FormatRecording.h"
#include "tools/common/FormatValues.h"

namespace blocks {

void PaintCells(const sheet::Range& cells, COLORREF color) {
    const FormatValue painted = FormatValue::Filled(Fill::Painted(color));
    RecordFormat(cells, FormatKind::Fill, painted);
    PutFormat(cells, FormatKind::Fill, painted);
}

void SelectCells(const sheet::Application& app, const sheet::Range& cells) {
    RecordSelection(app, cells);
    cells.Select();
}

}  // namespace blocks
