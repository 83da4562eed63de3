#include "tools/duplicates/BlockScan.h"

#include <algorithm>
#include <string>

#include "tools/duplicates/ColumnLetters.h"
#include "tools/duplicates/DuplicateRuns.h"
#include "tools/duplicates/RowKey.h"
#include "tools/duplicates/SeenKeys.h"
#include "tools/duplicates/ValueBlock.h"

namespace duplicates {

namespace {

using sheet::Range;

// Neighbouring ticked sheet columns, read with one call per block.
struct ColumnRun {
    long left;
    long right;
};

std::vector<ColumnRun> RunsOf(std::vector<long> columns) {
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    std::vector<ColumnRun> runs;
    for (long column : columns) {
        if (!runs.empty() && runs.back().right + 1 == column)
            runs.back().right = column;
        else
            runs.push_back({column, column});
    }
    return runs;
}

std::wstring AreaReference(long top, long left, long bottom, long right) {
    return ColumnLetters(left) + std::to_wstring(top) + L":" + ColumnLetters(right) + std::to_wstring(bottom);
}

bool IsTextOrBlank(const VARIANT& value) { return value.vt == VT_BSTR || value.vt == VT_EMPTY; }

class BlockScan {
public:
    BlockScan(const sheet::Application& app, DupAction action, COLORREF color)
        : m_app(app), m_sheet(app.ActiveSheet()), m_action(action), m_color(color) {}

    DuplicatesResult Run(const Range& workRange, const std::vector<UINT>& keyColumns) {
        // Rows and Columns count the first area only, within the limit as here.
        Range area = workRange.Areas().Item(1);
        long areaLeft = area.Column();
        long areaColumns = area.Columns().Count();
        Range inside = m_app.Intersect(area, m_sheet.UsedRange());
        DuplicatesResult result;
        if (inside.IsEmpty()) return result;
        long top = inside.Row();
        long left = inside.Column();
        long bottom = top + inside.Rows().Count() - 1;
        long right = left + inside.Columns().Count() - 1;
        result.rowsExamined = bottom - top + 1;

        // A ticked column outside the used range is blank in every row: it tells no row from another.
        std::vector<long> columns;
        for (UINT offset : keyColumns) {
            long column = areaLeft + static_cast<long>(offset);
            if (static_cast<long>(offset) < areaColumns && column >= left && column <= right) columns.push_back(column);
        }
        std::vector<ColumnRun> runs = RunsOf(columns);
        if (runs.empty()) return result;
        long tickedCount = 0;
        for (const ColumnRun& run : runs) tickedCount += run.right - run.left + 1;
        // A range of one column is keyed on what its cells display, as within the limit.
        m_displayed = areaColumns == 1;

        DuplicateRuns duplicates(m_app, m_sheet, left, right, m_action, m_color);
        const long blockRows = std::max(1L, kBlockCells / tickedCount);
        for (long blockTop = top; blockTop <= bottom; blockTop += blockRows) {
            long blockBottom = std::min(bottom, blockTop + blockRows - 1);
            std::vector<ValueBlock> blocks;
            blocks.reserve(runs.size());
            for (const ColumnRun& run : runs)
                blocks.emplace_back(m_sheet.Range(AreaReference(blockTop, run.left, blockBottom, run.right)).Value());
            for (long row = blockTop; row <= blockBottom; ++row) {
                for (size_t i = 0; i < runs.size(); ++i)
                    for (long column = runs[i].left; column <= runs[i].right; ++column)
                        AddCell(blocks[i].At(row - blockTop + 1, column - runs[i].left + 1), row, column);
                if (!m_seen.Repeats(m_key.Take())) continue;
                ++result.duplicatesFound;
                duplicates.Add(row);
            }
        }
        duplicates.Finish();
        result.rowsActedOn = duplicates.ActedOn();
        return result;
    }

private:
    // Texts and blanks display as they are; any other cell of a one-column range is asked for its text.
    void AddCell(const VARIANT& value, long row, long column) {
        if (!m_displayed || IsTextOrBlank(value)) {
            m_key.AddValue(value);
            return;
        }
        sheet::Variant text = m_sheet.Range(AreaReference(row, column, row, column)).Text();
        m_key.AddDisplayed(text.IsString() ? text.StringView() : std::wstring_view(),
                           [&]() -> const VARIANT& { return value; });
    }

    const sheet::Application& m_app;
    sheet::Worksheet m_sheet;
    DupAction m_action;
    COLORREF m_color;
    bool m_displayed = false;
    RowKey m_key;
    SeenKeys m_seen;
};

}  // namespace

DuplicatesResult ScanInBlocks(const sheet::Application& app, const sheet::Range& workRange,
                              const std::vector<UINT>& keyColumns, DupAction action, COLORREF color) {
    return BlockScan(app, action, color).Run(workRange, keyColumns);
}

}  // namespace duplicates
