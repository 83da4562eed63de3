#include "tools/common/BlockWriter.h"

#include <functional>
#include <new>

#include "sheet/AutomationError.h"
#include "tools/common/PreviousContents.h"
#include "tools/common/SubRange.h"

namespace blocks {

namespace {

// The changed values of one rectangle as Range.Value takes them: rows first, lower bounds 1.
sheet::Variant ArrayOf(const BlockChanges& changes, const BlockRect& rect) {
    SAFEARRAY* array = nullptr;
    sheet::Variant owned =
        sheet::Variant::NewArray(VT_VARIANT, static_cast<ULONG>(rect.rows), static_cast<ULONG>(rect.columns), 1, array);
    VARIANT* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)))) throw std::bad_alloc();
    HRESULT hr = S_OK;
    // VariantCopy leaves its source as it is; its signature only predates const.
    for (long c = 0; c < rect.columns && SUCCEEDED(hr); ++c)
        for (long r = 0; r < rect.rows && SUCCEEDED(hr); ++r)
            hr = VariantCopy(&data[r + static_cast<size_t>(c) * static_cast<size_t>(rect.rows)],
                             const_cast<VARIANT*>(&changes.At(rect.row + r, rect.column + c).get()));
    SafeArrayUnaccessData(array);
    if (FAILED(hr)) throw std::bad_alloc();
    return owned;
}

class Writer {
public:
    using Written = std::function<void(const BlockRect& rect)>;

    Writer(const sheet::Range& block, const BlockChanges& changes, Written written = {})
        : m_block(block), m_changes(changes), m_written(std::move(written)) {}

    void Write(const BlockRect& rect) {
        if (rect.rows == 1 && rect.columns == 1) {
            ++m_puts;
            m_block.Item(rect.row, rect.column).SetValue(m_changes.At(rect.row, rect.column));
            Taken(rect);
            return;
        }
        try {
            ++m_puts;
            SubRange(m_block, m_changes.Rows(), m_changes.Columns(), rect).SetValue(ArrayOf(m_changes, rect));
            Taken(rect);
            return;
        } catch (const sheet::CAutomationError&) {
            // Refused as a whole; its halves may not be.
        }
        BlockRect first = rect;
        BlockRect second = rect;
        if (rect.rows > 1) {
            first.rows = rect.rows / 2;
            second.row = rect.row + first.rows;
            second.rows = rect.rows - first.rows;
        } else {
            first.columns = rect.columns / 2;
            second.column = rect.column + first.columns;
            second.columns = rect.columns - first.columns;
        }
        Write(first);
        Write(second);
    }

    long Puts() const { return m_puts; }

private:
    void Taken(const BlockRect& rect) const {
        if (m_written) m_written(rect);
    }

    const sheet::Range& m_block;
    const BlockChanges& m_changes;
    Written m_written;
    long m_puts = 0;
};

// A record's cells are kept one written block at a time, also when the write fails halfway.
class CellsInRecord {
public:
    CellsInRecord(RunRecord& record, std::size_t expected) : m_record(record) { m_record.BeginCells(expected); }
    ~CellsInRecord() { m_record.EndCells(); }
    CellsInRecord(const CellsInRecord&) = delete;
    CellsInRecord& operator=(const CellsInRecord&) = delete;

private:
    RunRecord& m_record;
};

}  // namespace

long WriteChanges(const Block& read, const BlockChanges& changes, AreaRecording& recording) {
    if (!recording.On() || !changes.Any()) return WriteChanges(read.Range(), changes);
    const PreviousContents previous(read, changes);
    const BlockRect place = recording.OnSheet(read.Place());
    RunRecord& record = recording.Record();
    CellsInRecord cells(record, static_cast<std::size_t>(changes.Count()));
    Writer writer(read.Range(), changes, [&](const BlockRect& rect) {
        for (long r = rect.row; r < rect.row + rect.rows; ++r)
            for (long c = rect.column; c < rect.column + rect.columns; ++c)
                record.AddCell(place.row + r - 1, place.column + c - 1, previous.At(r, c),
                               ContentWritten(changes.At(r, c).get()));
    });
    for (const BlockRect& rect : ChangedRectangles(changes)) writer.Write(rect);
    return writer.Puts();
}

long WriteChanges(const sheet::Range& block, const BlockChanges& changes) {
    Writer writer(block, changes);
    for (const BlockRect& rect : ChangedRectangles(changes)) writer.Write(rect);
    return writer.Puts();
}

}  // namespace blocks
