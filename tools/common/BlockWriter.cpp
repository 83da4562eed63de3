#include "tools/common/BlockWriter.h"

#include <new>
#include <utility>

#include "framework/Scoped.h"
#include "sheet/AutomationError.h"
#include "tools/common/SubRange.h"

namespace blocks {

namespace {

// The one place a cell's value is written.
void PutValues(const sheet::Range& cells, sheet::Variant value) { cells.SetValue(std::move(value)); }

// The changed values of one rectangle as Range.Value takes them: rows first, lower bounds 1.
sheet::Variant ArrayOf(const BlockChanges& changes, const BlockRect& rect) {
    SAFEARRAY* array = nullptr;
    sheet::Variant owned =
        sheet::Variant::NewArray(VT_VARIANT, static_cast<ULONG>(rect.rows), static_cast<ULONG>(rect.columns), 1, array);
    framework::SafeArrayData<VARIANT> locked(array);
    VARIANT* data = locked.Data();
    if (!data) throw std::bad_alloc();
    HRESULT hr = S_OK;
    // VariantCopy leaves its source as it is; its signature only predates const.
    for (long c = 0; c < rect.columns && SUCCEEDED(hr); ++c)
        for (long r = 0; r < rect.rows && SUCCEEDED(hr); ++r)
            hr = VariantCopy(&data[r + static_cast<size_t>(c) * static_cast<size_t>(rect.rows)],
                             const_cast<VARIANT*>(&changes.At(rect.row + r, rect.column + c).get()));
    if (FAILED(hr)) throw std::bad_alloc();
    return owned;
}

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
            PutValues(SubRange(m_block, m_changes.Rows(), m_changes.Columns(), rect), ArrayOf(m_changes, rect));
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

}  // namespace

long WriteChanges(const sheet::Range& block, const BlockChanges& changes) {
    Writer writer(block, changes);
    for (const BlockRect& rect : ChangedRectangles(changes)) writer.Write(rect);
    return writer.Puts();
}

void FillCells(const sheet::Range& cells, const sheet::Variant& value) { PutValues(cells, value); }

}  // namespace blocks
