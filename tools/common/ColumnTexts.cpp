#include "tools/common/ColumnTexts.h"

#include <algorithm>

#include "sheet/RangeCells.h"
#include "tools/common/SubRange.h"

namespace blocks {

namespace {

// Below this many cells an enumerator (up to four calls to reach, start and check it) saves nothing.
constexpr std::size_t kEnumerateFrom = 8;

}  // namespace

void AskColumnTexts(const sheet::Range& block, long blockRows, long blockColumns, long column,
                    const std::vector<long>& rows, const std::function<void(std::size_t, sheet::Variant)>& give) {
    if (rows.size() < kEnumerateFrom) {
        for (std::size_t i = 0; i < rows.size(); ++i) give(i, block.Item(rows[i], column).Text());
        return;
    }
    const long first = rows.front();
    const long last = rows.back();
    const sheet::Range span = SubRange(block, blockRows, blockColumns, {first, column, last - first + 1, 1});
    sheet::RangeCells cells(span);
    // No source gives For Each's order; the last cell of each call's share is checked to be the row it
    // stands for, and from a share that is not, the cells are reached one by one.
    const long sheetRowOfFirst = span.Row();
    bool inOrder = true;
    std::vector<sheet::Range> batch;
    long batchRow = first;  // the row of batch[0]
    long next = first;      // the row the enumerator hands over next
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const long row = rows[i];
        if (inOrder && row >= batchRow + static_cast<long>(batch.size())) {
            // A gap longer than a call's worth is passed over without its objects.
            if (row - next >= static_cast<long>(kCellsACall)) {
                cells.Skip(static_cast<unsigned long>(row - next));
                next = row;
            }
            const long wanted = std::min<long>(static_cast<long>(kCellsACall), last - next + 1);
            cells.Next(static_cast<unsigned long>(wanted), batch);
            batchRow = next;
            next += static_cast<long>(batch.size());
            inOrder = !batch.empty() && batch.back().Row() == sheetRowOfFirst + (next - 1 - first);
        }
        const long at = row - batchRow;
        // An enumerator that ends early or out of order leaves the rest to be reached one by one.
        const bool handed = inOrder && at < static_cast<long>(batch.size());
        give(i, (handed ? batch[static_cast<std::size_t>(at)] : block.Item(row, column)).Text());
    }
}

}  // namespace blocks
