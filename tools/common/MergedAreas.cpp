#include "tools/common/MergedAreas.h"

#include <algorithm>

#include "tools/common/SubRange.h"

namespace blocks {

namespace {

class MergedAreaSearch {
public:
    MergedAreaSearch(const sheet::Range& area, long rows, long columns) : m_area(area), m_rows(rows), m_columns(columns) {}

    void Search(const BlockRect& rect) {
        const sheet::Range range = SubRange(m_area, m_rows, m_columns, rect);
        const sheet::Variant merged = range.MergeCells();
        if (merged.IsFalseBool()) return;
        const bool allMerged = merged.type() == VT_BOOL;  // True: every cell is in a merged area
        if (rect.Cells() == 1 || allMerged) {
            // One merged area may cover all of the rectangle: its top-left cell's area says so.
            const BlockRect found = AreaAt(range);
            Add(found);
            if (Covers(found, rect)) return;
            if (rect.Cells() == 1) return;
        }
        const auto [first, second] = Halves(rect, rect.rows == 1 ? HalveFirst::Columns : HalveFirst::Rows);
        Search(first);
        Search(second);
    }

    std::vector<BlockRect> Found() && { return std::move(m_found); }

private:
    BlockRect AreaAt(const sheet::Range& range) {
        if (!m_origin) {
            m_originRow = m_area.Row();
            m_originColumn = m_area.Column();
            m_origin = true;
        }
        const sheet::Range merged = range.Item(1, 1).MergeArea();
        return {merged.Row() - m_originRow + 1, merged.Column() - m_originColumn + 1, merged.Rows().Count(),
                merged.Columns().Count()};
    }

    static bool Covers(const BlockRect& outer, const BlockRect& inner) {
        return outer.row <= inner.row && outer.column <= inner.column &&
               outer.row + outer.rows >= inner.row + inner.rows &&
               outer.column + outer.columns >= inner.column + inner.columns;
    }

    void Add(const BlockRect& found) {
        if (std::find(m_found.begin(), m_found.end(), found) == m_found.end()) m_found.push_back(found);
    }

    const sheet::Range& m_area;
    long m_rows;
    long m_columns;
    bool m_origin = false;
    long m_originRow = 1;
    long m_originColumn = 1;
    std::vector<BlockRect> m_found;
};

}  // namespace

std::vector<BlockRect> MergedAreasMeeting(const sheet::Range& area, long rows, long columns, const BlockRect& rect) {
    MergedAreaSearch search(area, rows, columns);
    search.Search(rect);
    return std::move(search).Found();
}

long RowsKeepingMergedAreasWhole(const sheet::Range& area, long rows, long columns, long last) {
    // An area reaching below the new edge may meet others that reach further still.
    for (long asked = 0; last < rows && asked != last;) {
        asked = last;
        for (const BlockRect& merged : MergedAreasMeeting(area, rows, columns, {last, 1, 1, columns}))
            last = std::max(last, std::min(rows, merged.row + merged.rows - 1));
    }
    return last;
}

long ColumnsKeepingMergedAreasWhole(const sheet::Range& area, long rows, long columns, long last) {
    for (long asked = 0; last < columns && asked != last;) {
        asked = last;
        for (const BlockRect& merged : MergedAreasMeeting(area, rows, columns, {1, last, rows, 1}))
            last = std::max(last, std::min(columns, merged.column + merged.columns - 1));
    }
    return last;
}

}  // namespace blocks
