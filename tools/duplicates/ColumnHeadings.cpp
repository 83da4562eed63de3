#include "tools/duplicates/ColumnHeadings.h"

#include "sheet/SelectionAreas.h"
#include "tools/common/ColumnLetters.h"

namespace duplicates {

std::vector<ColumnHeading> ReadColumnHeadings(const sheet::Range& workRange) {
    sheet::Range rows = sheet::RowsOfSelection(workRange);
    sheet::Range columns = workRange.Columns();
    sheet::Range cells = workRange.Cells();
    long rowCount = rows.Count();
    long columnCount = columns.Count();
    std::vector<ColumnHeading> headings;
    if (rowCount == 1 && columnCount == 1) return headings;
    headings.reserve(static_cast<size_t>(columnCount > 0 ? columnCount : 0));
    for (long k = 1; k <= columnCount; ++k) {
        sheet::Range cell = cells.Item(1, k);
        sheet::Variant text = cell.Text();
        headings.push_back({blocks::ColumnLettersOfAddress(cell.Address()),
                            text.IsString() ? std::wstring(text.StringView()) : std::wstring()});
    }
    return headings;
}

}  // namespace duplicates
