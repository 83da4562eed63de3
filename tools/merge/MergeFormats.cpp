#include "tools/merge/MergeFormats.h"

namespace merge {

void Unmerge(const Ranges& ranges) {
    for (const sheet::Range& range : ranges) range.UnMerge();
}

void MergeEach(const Ranges& ranges, bool across) {
    for (const sheet::Range& range : ranges) {
        if (across)
            range.Merge(true);
        else
            range.Merge();
    }
}

void WrapText(const Ranges& ranges) {
    for (const sheet::Range& range : ranges) range.SetWrapText(true);
}

void AlignHorizontally(const Ranges& ranges, long alignment) {
    for (const sheet::Range& range : ranges) range.SetHorizontalAlignment(alignment);
}

void AlignVertically(const Ranges& ranges, long alignment) {
    for (const sheet::Range& range : ranges) range.SetVerticalAlignment(alignment);
}

ColumnWidths ColumnWidths::Keep(const Ranges& columns) {
    ColumnWidths widths;
    for (const sheet::Range& range : columns) {
        sheet::Range entire = range.EntireColumn();
        sheet::Variant width = entire.ColumnWidth();
        if (width.get().vt != VT_NULL) {
            widths.m_kept.push_back({std::move(entire), std::move(width)});
            continue;
        }
        // Columns of different widths answer Null; each keeps its own.
        sheet::Range eachColumn = entire.Columns();
        const long count = eachColumn.Count();
        for (long c = 1; c <= count; ++c) {
            sheet::Range column = eachColumn.Item(c);
            widths.m_kept.push_back({column, column.ColumnWidth()});
        }
    }
    return widths;
}

void ColumnWidths::GiveBack() const {
    for (const Kept& kept : m_kept) kept.entireColumns.SetColumnWidth(kept.width);
}

}  // namespace merge
