#include "tools/merge/AreaTexts.h"

#include "tools/common/BlockReader.h"

namespace merge {

namespace {

// A cell's text ends at its first NUL, though a BSTR may carry more after it.
std::wstring_view UpToFirstNul(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }

}  // namespace

TextGrid ReadAreaTexts(const sheet::Range& area, long rows, long columns) {
    TextGrid grid(rows, columns);
    sheet::Range cells = area.Cells();
    // The values come in blocks of bounded size, so that only cells that show something cost calls of their own.
    blocks::BlockReader reader(area);
    for (blocks::Block block; reader.Next(block);) {
        const blocks::BlockRect& place = block.Place();
        for (long r = 1; r <= place.rows; ++r) {
            for (long c = 1; c <= place.columns; ++c) {
                if (block.Value(r, c).vt == VT_EMPTY) continue;
                const long row = place.row + r - 1;
                const long column = place.column + c - 1;
                sheet::Variant text = cells.Item(row, column).Text();
                if (text.IsString()) grid.At(row, column) = std::wstring(UpToFirstNul(text.StringView()));
            }
        }
    }
    return grid;
}

}  // namespace merge
