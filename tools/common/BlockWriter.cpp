#include "tools/common/BlockWriter.h"

#include <new>
#include <utility>

#include "sheet/AutomationError.h"
#include "tools/common/CellRecording.h"
#include "tools/common/SubRange.h"

namespace blocks {

namespace {

// The one place a cell's value is written.
void PutValues(const sheet::Range& cells, sheet::Variant value) { cells.SetValue(std::move(value)); }

// The changed values of one rectangle as Range.Value takes them: rows first, lower bounds 1. The array lends
// the changes' own VARIANTs and gives them back before it goes, so that no text is copied for the put; Range.Value
// gets it by reference.
class LentArray {
public:
    LentArray(const BlockChanges& changes, const BlockRect& rect)
        : m_elements(static_cast<size_t>(rect.rows) * static_cast<size_t>(rect.columns)) {
        SAFEARRAY* array = nullptr;
        sheet::Variant owned = sheet::Variant::NewArray(VT_VARIANT, static_cast<ULONG>(rect.rows),
                                                        static_cast<ULONG>(rect.columns), 1, array);
        VARIANT* data = nullptr;
        if (FAILED(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)))) throw std::bad_alloc();
        m_array = owned.Detach().parray;
        for (long c = 0; c < rect.columns; ++c)
            for (long r = 0; r < rect.rows; ++r)
                data[r + static_cast<size_t>(c) * static_cast<size_t>(rect.rows)] =
                    changes.At(rect.row + r, rect.column + c).get();
        SafeArrayUnaccessData(m_array);
    }
    ~LentArray() {
        VARIANT* data = nullptr;
        if (SUCCEEDED(SafeArrayAccessData(m_array, reinterpret_cast<void**>(&data)))) {
            for (size_t i = 0; i < m_elements; ++i) VariantInit(&data[i]);
            SafeArrayUnaccessData(m_array);
            SafeArrayDestroy(m_array);
        }
    }
    LentArray(const LentArray&) = delete;
    LentArray& operator=(const LentArray&) = delete;

    sheet::Variant ByReference() {
        VARIANT reference;
        VariantInit(&reference);
        reference.vt = VT_BYREF | VT_ARRAY | VT_VARIANT;
        reference.pparray = &m_array;
        return sheet::Variant::Adopt(reference);
    }

private:
    SAFEARRAY* m_array = nullptr;
    size_t m_elements;
};

class Writer {
public:
    Writer(const sheet::Range& block, const BlockChanges& changes) : m_block(block), m_changes(changes) {}

    void Write(const BlockRect& rect) {
        if (rect.rows == 1 && rect.columns == 1) {
            ++m_puts;
            PutValues(m_block.Item(rect.row, rect.column), m_changes.At(rect.row, rect.column));
            return;
        }
        try {
            ++m_puts;
            LentArray values(m_changes, rect);
            PutValues(SubRange(m_block, m_changes.Rows(), m_changes.Columns(), rect), values.ByReference());
            return;
        } catch (const sheet::CAutomationError&) {
            // Refused as a whole; its halves may not be.
        }
        const auto [first, second] = Halves(rect, HalveFirst::Rows);
        Write(first);
        Write(second);
    }

    long Puts() const { return m_puts; }

private:
    const sheet::Range& m_block;
    const BlockChanges& m_changes;
    long m_puts = 0;
};

long Write(const sheet::Range& block, const BlockChanges& changes) {
    Writer writer(block, changes);
    for (const BlockRect& rect : ChangedRectangles(changes)) writer.Write(rect);
    return writer.Puts();
}

}  // namespace

long WriteChanges(const sheet::Range& block, const BlockChanges& changes) {
    RecordRangeWrite(block, changes);
    return Write(block, changes);
}

long WriteChanges(const Block& read, const BlockChanges& changes) {
    RecordBlockWrite(read, changes);
    return Write(read.Range(), changes);
}

void FillCells(const sheet::Range& cells, const sheet::Variant& value) {
    RecordFill(cells, value.get());
    PutValues(cells, value);
}

}  // namespace blocks
