#include "tools/common/MergedAreas.h"

#include <algorithm>
#include <utility>

#include "tools/common/SubRange.h"

namespace blocks {

namespace {

class MergedAreaSearch {
public:
    MergedAreaSearch(const sheet::Range& area, long rows, long columns)
        : m_area(area), m_rows(rows), m_columns(columns) {}

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

namespace {

// The merged areas along the part's last row (column) that reach past it, as their first and last row (column).
std::vector<std::pair<long, long>> CrossingAreas(const sheet::Range& area, long rows, long columns, long last,
                                                 PartEdge edge) {
    const bool afterRow = edge == PartEdge::AfterRow;
    const BlockRect line = afterRow ? BlockRect{last, 1, 1, columns} : BlockRect{1, last, rows, 1};
    std::vector<std::pair<long, long>> crossing;
    for (const BlockRect& merged : MergedAreasMeeting(area, rows, columns, line)) {
        const long from = afterRow ? merged.row : merged.column;
        const long to = from + (afterRow ? merged.rows : merged.columns) - 1;
        if (to > last) crossing.push_back({from, to});
    }
    return crossing;
}

}  // namespace

long GrowPastMergedAreas(const sheet::Range& area, long rows, long columns, long last, PartEdge edge) {
    const long end = edge == PartEdge::AfterRow ? rows : columns;
    // An area reaching past the new edge may meet others that reach further still.
    for (long asked = 0; last < end && asked != last;) {
        asked = last;
        for (const auto& [from, to] : CrossingAreas(area, rows, columns, last, edge))
            last = std::max(last, std::min(end, to));
    }
    return last;
}

long ShrinkBeforeMergedAreas(const sheet::Range& area, long rows, long columns, long last, PartEdge edge) {
    for (long asked = 0; last > 0 && asked != last;) {
        asked = last;
        for (const auto& [from, to] : CrossingAreas(area, rows, columns, last, edge)) last = std::min(last, from - 1);
    }
    return std::max(0L, last);
}

}  // namespace blocks
