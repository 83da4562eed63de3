#include "tools/merge/MergeFormats.h"

#include "tools/common/FormatRecording.h"
#include "tools/common/FormatValues.h"

namespace merge {

namespace {

using blocks::FormatKind;
using blocks::FormatValue;

void SetEach(const Ranges& ranges, FormatKind kind, double value) {
    const FormatValue after = FormatValue::Of(value);
    for (const sheet::Range& range : ranges) {
        blocks::RecordFormat(range, kind, after);
        blocks::PutFormat(range, kind, after);
    }
}

}  // namespace

void Unmerge(const Ranges& ranges) {
    for (const sheet::Range& range : ranges) {
        blocks::RecordUnmerge(range);
        range.UnMerge();
    }
}

void MergeEach(const Ranges& ranges, bool across) {
    for (const sheet::Range& range : ranges) {
        blocks::RecordMerge(range, across);
        if (across)
            range.Merge(true);
        else
            range.Merge();
    }
}

void WrapText(const Ranges& ranges) { SetEach(ranges, FormatKind::WrapText, 1); }

void AlignHorizontally(const Ranges& ranges, long alignment) {
    SetEach(ranges, FormatKind::HorizontalAlignment, alignment);
}

void AlignVertically(const Ranges& ranges, long alignment) { SetEach(ranges, FormatKind::VerticalAlignment, alignment); }

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
    for (const Kept& kept : m_kept) {
        // The width kept is the one the columns had before the run.
        VARIANT width;
        VariantInit(&width);
        if (SUCCEEDED(VariantChangeType(&width, const_cast<VARIANT*>(&kept.width.get()), 0, VT_R8)))
            blocks::RecordKnownFormat(kept.entireColumns, FormatKind::ColumnWidth, FormatValue::Of(width.dblVal),
                                      FormatValue::Of(width.dblVal));
        kept.entireColumns.SetColumnWidth(kept.width);
    }
}

}  // namespace merge
