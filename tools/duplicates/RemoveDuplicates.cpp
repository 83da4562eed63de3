#include "tools/duplicates/RemoveDuplicates.h"

#include <algorithm>
#include <string>

#include "sheet/SelectionAreas.h"
#include "tools/common/BandSizer.h"
#include "tools/common/BlockReader.h"
#include "tools/common/DisplayedTexts.h"
#include "tools/common/KnownTexts.h"
#include "tools/common/SubRange.h"
#include "tools/common/WorkAreas.h"
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

// One band of rows: a block for each run of ticked columns, and for a range of one column what it shows.
struct Band {
    std::vector<blocks::Block> blocks;
    blocks::DisplayedTexts shown;
};

// Where the scan works on the sheet: the working range's part it reads, its first row and its columns.
struct ScanArea {
    Range range;
    long top;
    long left;
    long right;
    long rows;
};

class Scan {
public:
    Scan(const sheet::Application& app, DupAction action, COLORREF color)
        : m_app(app), m_sheet(app.ActiveSheet()), m_action(action), m_color(color) {}

    DuplicatesResult Run(const Range& workRange, const std::vector<UINT>& keyColumns, status::Progress& progress) {
        // Rows and Columns count the first area only.
        Range area = sheet::AreasOfSelection(workRange).Item(1);
        const long areaRows = area.Rows().Count();
        const long areaColumns = area.Columns().Count();
        DuplicatesResult result;
        if (areaRows < 1 || areaColumns < 1 || (areaRows == 1 && areaColumns == 1)) return result;
        const long areaLeft = area.Column();
        Range inside = blocks::WithinUsedRangePastLimit(m_app, area, areaRows, areaColumns);
        if (inside.IsEmpty()) return result;
        const long left = inside.Column();
        ScanArea scan{inside, inside.Row(), left, left + inside.Columns().Count() - 1, inside.Rows().Count()};
        result.rowsExamined = scan.rows;
        progress.Begin(scan.rows);

        // A ticked column outside the used range is blank in every row: it tells no row from another.
        std::vector<long> columns;
        for (UINT offset : keyColumns) {
            const long column = areaLeft + static_cast<long>(offset);
            if (static_cast<long>(offset) < areaColumns && column >= scan.left && column <= scan.right)
                columns.push_back(column);
        }
        const std::vector<ColumnRun> runs = RunsOf(columns);
        if (runs.empty()) return result;

        DuplicateRuns duplicates(m_app, m_sheet, scan.left, scan.right, m_action, m_color);
        // A range of one column is keyed on what its cells show.
        result.duplicatesFound = ScanBands(scan, runs, areaColumns == 1, duplicates, progress);
        duplicates.Finish();
        result.rowsActedOn = duplicates.ActedOn();
        return result;
    }

private:
    // Reads band after band, keys every row and hands each duplicate row on; gives how many there were.
    long ScanBands(const ScanArea& scan, const std::vector<ColumnRun>& runs, bool displayed, DuplicateRuns& duplicates,
                   status::Progress& progress) {
        std::vector<blocks::BlockReader> readers;
        readers.reserve(runs.size());
        long tickedCount = 0;
        for (const ColumnRun& run : runs) {
            readers.emplace_back(blocks::SubRange(scan.range, scan.rows, scan.right - scan.left + 1,
                                                  {1, run.left - scan.left + 1, scan.rows, run.Columns()}));
            tickedCount += run.Columns();
        }
        blocks::BandSizer sizer(tickedCount, {});
        long found = 0;
        Band band;
        band.blocks.resize(runs.size());
        // What the column's cells show, asked once for each value drawn alike, whichever band it is met in.
        blocks::KnownTexts known;
        for (long bandTop = 1; bandTop <= scan.rows;) {
            if (!ReadBand(readers, sizer.NextRows(scan.rows - bandTop + 1), displayed ? &known : nullptr, band)) break;
            const long bandRows = band.blocks.front().Rows();
            std::size_t bytes = band.shown.AskedBytes();
            for (const blocks::Block& block : band.blocks) bytes += block.Bytes();
            sizer.Seen(static_cast<long long>(bandRows) * tickedCount, bytes);
            for (long r = 1; r <= bandRows; ++r) {
                for (size_t i = 0; i < runs.size(); ++i)
                    for (long c = 1; c <= runs[i].Columns(); ++c) AddCell(band, i, r, c, displayed);
                if (!m_seen.Repeats(m_key.Take())) continue;
                ++found;
                duplicates.Add(scan.top + bandTop + r - 2);
            }
            bandTop += bandRows;
            // Esc is looked at between bands; the duplicates found so far are acted on.
            if (!progress.Continue(bandTop - 1)) break;
        }
        return found;
    }

    // `known`: for a range keyed on what its cells show, the texts asked in the bands before.
    static bool ReadBand(std::vector<blocks::BlockReader>& readers, long bandRows, blocks::KnownTexts* known,
                         Band& band) {
        band.shown = blocks::DisplayedTexts();
        for (size_t i = 0; i < readers.size(); ++i)
            if (!readers[i].Next(band.blocks[i], bandRows)) return false;
        if (known) band.shown = blocks::DisplayedTexts::Read(band.blocks.front(), *known);
        return true;
    }

    // A number too wide for its column shows only '#' signs, the same for every such number: its value
    // decides then.
    void AddCell(const Band& band, size_t run, long row, long column, bool displayed) {
        const VARIANT& value = band.blocks[run].Value(row, column);
        if (displayed)
            m_key.AddDisplayed(band.shown.At(row, column), [&]() -> const VARIANT& { return value; });
        else
            m_key.AddValue(value);
    }

    const sheet::Application& m_app;
    sheet::Worksheet m_sheet;
    DupAction m_action;
    COLORREF m_color;
    RowKey m_key;
    SeenKeys m_seen;
};

}  // namespace

DuplicatesResult RunRemoveDuplicates(const sheet::Application& app, const sheet::Range& workRange,
                                     const std::vector<UINT>& keyColumns, DupAction action, COLORREF color,
                                     status::Progress& progress) {
    return Scan(app, action, color).Run(workRange, keyColumns, progress);
}

}  // namespace duplicates
