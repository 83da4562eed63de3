#include "tools/duplicates/BlockScan.h"

#include <algorithm>
#include <string>

#include "tools/common/BlockReader.h"
#include "tools/common/SubRange.h"
#include "tools/duplicates/DuplicateRuns.h"
#include "tools/duplicates/RowKey.h"
#include "tools/duplicates/SeenKeys.h"

namespace duplicates {

namespace {

using sheet::Range;

// Neighbouring ticked sheet columns, read with one reader whose blocks line up with the others'.
struct ColumnRun {
    long left;
    long right;
    long Columns() const { return right - left + 1; }
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

bool IsTextOrBlank(const VARIANT& value) { return value.vt == VT_BSTR || value.vt == VT_EMPTY; }

class BlockScan {
public:
    BlockScan(const sheet::Application& app, DupAction action, COLORREF color)
        : m_app(app), m_sheet(app.ActiveSheet()), m_action(action), m_color(color) {}

    DuplicatesResult Run(const Range& workRange, const std::vector<UINT>& keyColumns, status::Progress& progress) {
        // Rows and Columns count the first area only, within the limit as here.
        Range area = workRange.Areas().Item(1);
        long areaLeft = area.Column();
        long areaColumns = area.Columns().Count();
        Range inside = m_app.Intersect(area, m_sheet.UsedRange());
        DuplicatesResult result;
        if (inside.IsEmpty()) return result;
        long top = inside.Row();
        long left = inside.Column();
        long rows = inside.Rows().Count();
        long right = left + inside.Columns().Count() - 1;
        result.rowsExamined = rows;
        progress.Begin(rows);

        // A ticked column outside the used range is blank in every row: it tells no row from another.
        std::vector<long> columns;
        for (UINT offset : keyColumns) {
            long column = areaLeft + static_cast<long>(offset);
            if (static_cast<long>(offset) < areaColumns && column >= left && column <= right) columns.push_back(column);
        }
        std::vector<ColumnRun> runs = RunsOf(columns);
        if (runs.empty()) return result;
        long tickedCount = 0;
        for (const ColumnRun& run : runs) tickedCount += run.Columns();
        // A range of one column is keyed on what its cells display, as within the limit.
        m_displayed = areaColumns == 1;

        // Every reader's blocks are the same rows, one block across its run.
        const long bandRows = std::max(1L, blocks::kDefaultBlockCells / tickedCount);
        std::vector<blocks::BlockReader> readers;
        readers.reserve(runs.size());
        for (const ColumnRun& run : runs) {
            Range runArea =
                blocks::SubRange(inside, rows, right - left + 1, {1, run.left - left + 1, rows, run.Columns()});
            readers.emplace_back(
                runArea, blocks::ReadOptions{bandRows * run.Columns(), blocks::FormulaCells::Ignored, bandRows});
        }

        DuplicateRuns duplicates(m_app, m_sheet, left, right, m_action, m_color);
        std::vector<blocks::Block> band(runs.size());
        bool going = true;
        while (going && ReadBand(readers, band)) {
            const long bandTop = top + band.front().Place().row - 1;
            for (long r = 1; r <= band.front().Rows(); ++r) {
                const long row = bandTop + r - 1;
                if (row > top && !progress.Continue(row - top)) {
                    going = false;
                    break;
                }
                for (size_t i = 0; i < runs.size(); ++i)
                    for (long c = 1; c <= runs[i].Columns(); ++c) AddCell(band[i], r, c);
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
    static bool ReadBand(std::vector<blocks::BlockReader>& readers, std::vector<blocks::Block>& band) {
        for (size_t i = 0; i < readers.size(); ++i)
            if (!readers[i].Next(band[i])) return false;
        return true;
    }

    // Texts and blanks display as they are; any other cell of a one-column range is asked for its text.
    void AddCell(const blocks::Block& block, long row, long column) {
        const VARIANT& value = block.Value(row, column);
        if (!m_displayed || IsTextOrBlank(value)) {
            m_key.AddValue(value);
            return;
        }
        sheet::Variant text = block.Range().Item(row, column).Text();
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
                              const std::vector<UINT>& keyColumns, DupAction action, COLORREF color,
                              status::Progress& progress) {
    return BlockScan(app, action, color).Run(workRange, keyColumns, progress);
}

}  // namespace duplicates
