#include "tools/cleanup/WalkRangeText.h"

#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "sheet/AutomationError.h"
#include "sheet/SelectionAreas.h"
#include "tools/cleanup/SuspendedUpdates.h"
#include "tools/cleanup/TextStaysText.h"
#include "tools/common/BlockReader.h"
#include "tools/common/BlockWriter.h"

namespace cleanup {

namespace {

using sheet::Range;
using sheet::Variant;

// The first row of a two-dimensional array of VARIANTs, as Range.Value gives it for a row.
class RowValues {
public:
    explicit RowValues(const Variant& value) {
        const VARIANT& v = value.get();
        if (v.vt != (VT_ARRAY | VT_VARIANT) || !v.parray || SafeArrayGetDim(v.parray) != 2) return;
        m_array = v.parray;
        long upper = 0;
        SafeArrayGetLBound(m_array, 1, &m_row);
        SafeArrayGetLBound(m_array, 2, &m_firstColumn);
        SafeArrayGetUBound(m_array, 2, &upper);
        m_count = upper - m_firstColumn + 1;
    }

    bool IsArray() const { return m_array != nullptr; }
    long Count() const { return m_count; }

    const VARIANT* At(long index) const {
        LONG indices[2] = {m_row, m_firstColumn + index};
        void* element = nullptr;
        if (FAILED(SafeArrayPtrOfIndex(m_array, indices, &element))) return nullptr;
        return static_cast<const VARIANT*>(element);
    }

private:
    SAFEARRAY* m_array = nullptr;
    long m_row = 0;
    long m_firstColumn = 0;
    long m_count = 0;
};

// A text with a NUL inside cannot be written back whole; such a cell is left as it is.
bool HoldsNul(std::wstring_view text) { return text.find(L'\0') != std::wstring_view::npos; }

// One row of strings, lower bounds 0, ready for Range.Value.
Variant RowArray(const std::vector<std::wstring>& texts) {
    SAFEARRAYBOUND bounds[2] = {{1, 0}, {static_cast<ULONG>(texts.size()), 0}};
    SAFEARRAY* array = SafeArrayCreate(VT_BSTR, 2, bounds);
    if (!array) throw std::bad_alloc();
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_ARRAY | VT_BSTR;
    raw.parray = array;
    Variant row = Variant::Adopt(raw);
    for (size_t c = 0; c < texts.size(); ++c) {
        LONG indices[2] = {0, static_cast<LONG>(c)};
        BSTR text = SysAllocStringLen(texts[c].data(), static_cast<UINT>(texts[c].size()));
        if (!text) throw std::bad_alloc();
        HRESULT hr = SafeArrayPutElement(array, indices, text);
        SysFreeString(text);
        if (FAILED(hr)) throw std::bad_alloc();
    }
    return row;
}

class Walker {
public:
    Walker(const TextTransform& transform, long blockCells) : m_transform(transform), m_blockCells(blockCells) {}

    void Area(const Range& area) const {
        Range rows = area.Rows();
        Range columns = area.Columns();
        Range cells = area.Cells();
        long rowCount = rows.Count();
        long columnCount = columns.Count();
        if (rowCount == 1 && columnCount == 1) {
            Cell(rows.Item(1));
            return;
        }
        for (long r = 1; r <= rowCount; ++r) {
            Range row = rows.Item(r);
            if (columnCount == 1) {
                Cell(row);
                continue;
            }
            bool mayHoldFormulas = HasFormulaOrArray(row);
            Variant value = row.Value();
            RowValues values(value);
            if (!values.IsArray() || values.Count() < columnCount) {
                for (long c = 1; c <= columnCount; ++c) Cell(cells.Item(r, c));
                continue;
            }
            if (!mayHoldFormulas && !RowHasNonText(value, columnCount) && BlockRow(row)) continue;
            MixedRow(cells, r, values, columnCount, mayHoldFormulas);
        }
    }

    // Past the size limit: block by block, one value read each and one write per rectangle of changed texts.
    void AreaInBlocks(const Range& area) const {
        blocks::BlockReader reader(area, {m_blockCells, blocks::FormulaCells::Skipped});
        for (blocks::Block block; reader.Next(block);) TextsOfBlock(block);
    }

private:
    // The text the rule makes of a cell's text, when it changes; a blank or a text with a NUL stays as it is.
    std::optional<std::wstring> Rewritten(std::wstring_view original) const {
        if (original.empty() || HoldsNul(original)) return std::nullopt;
        std::wstring text(original);
        m_transform(text);
        if (text == original) return std::nullopt;
        return text;
    }

    void Cell(const Range& cell) const {
        if (HasFormulaOrArray(cell)) return;
        Variant value = cell.Value();
        if (!value.IsString()) return;
        if (auto text = Rewritten(value.StringView())) cell.SetValue(Variant::String(AsTypedText(*text)));
    }

    // A row that is not all text: the row's values already tell which cells hold a text, so only a text that
    // changes costs calls, and a formula check only when the row holds formulas at all.
    void MixedRow(const Range& cells, long r, const RowValues& values, long columnCount, bool mayHoldFormulas) const {
        for (long c = 0; c < columnCount; ++c) {
            const VARIANT* element = values.At(c);
            if (!element || element->vt != VT_BSTR) continue;  // blank, number, date, boolean or error value
            auto text = Rewritten(blocks::TextOf(*element));
            if (!text) continue;
            Range cell = cells.Item(r, c + 1);
            // A formula's result can be a text; the formula stays.
            if (mayHoldFormulas && HasFormulaOrArray(cell)) continue;
            cell.SetValue(Variant::String(AsTypedText(*text)));
        }
    }

    void TextsOfBlock(const blocks::Block& block) const {
        if (!block.ValuesRead()) return;  // formulas only
        blocks::BlockChanges changes(block.Rows(), block.Columns());
        for (long c = 1; c <= block.Columns(); ++c) {
            for (long r = 1; r <= block.Rows(); ++r) {
                const VARIANT& cell = block.Value(r, c);
                if (cell.vt != VT_BSTR) continue;  // blank, number, date, boolean or error value
                auto text = Rewritten(blocks::TextOf(cell));
                if (!text) continue;
                // A formula's result can be a text; the formula stays.
                if (block.HoldsFormula(r, c)) continue;
                changes.Set(r, c, Variant::String(AsTypedText(*text)));
            }
        }
        blocks::WriteChanges(block.Range(), changes);
    }

    // Returns false, having written nothing, when the row is not all text after all.
    bool BlockRow(const Range& row) const {
        Variant value = row.Value();
        RowValues values(value);
        if (!values.IsArray()) return false;
        std::vector<std::wstring> texts;
        texts.reserve(static_cast<size_t>(values.Count()));
        bool changed = false;
        for (long c = 0; c < values.Count(); ++c) {
            const VARIANT* element = values.At(c);
            if (!element || element->vt != VT_BSTR) return false;
            std::wstring_view original = blocks::TextOf(*element);
            if (HoldsNul(original)) return false;
            std::wstring text(original);
            m_transform(text);
            changed = changed || text != original;
            // An empty text written back as "" would empty the cell; the apostrophe keeps it an empty text.
            texts.push_back(original.empty() && text.empty() ? std::wstring(L"'") : AsTypedText(text));
        }
        if (!changed) return true;
        try {
            row.SetValue(RowArray(texts));
        } catch (const sheet::CAutomationError&) {
            // A row through a merged area is refused as a whole, while its cells one by one are not. Any
            // other refusal (a protected sheet, say) comes back from the first cell written.
            return false;
        }
        return true;
    }

    const TextTransform& m_transform;
    long m_blockCells;
};

}  // namespace

bool HasFormulaOrArray(const Range& range) {
    if (!range.HasFormula().IsFalseBool()) return true;
    return !range.HasArray().IsFalseBool();
}

bool RowHasNonText(const Variant& rowValues, long columns) {
    RowValues values(rowValues);
    if (!values.IsArray() || values.Count() < columns) return true;
    for (long c = 0; c < columns; ++c) {
        const VARIANT* element = values.At(c);
        if (!element || element->vt != VT_BSTR) return true;
    }
    return false;
}

void WalkRangeText(const sheet::Application& app, const TextTransform& transform, ExcelUpdates updates,
                   BlockCells blockCells) {
    Range selection = app.Selection();
    sheet::Worksheet sheet = app.ActiveSheet();
    // Read before anything is switched off: a selection that is not a range fails here.
    sheet::Areas areas = sheet::AreasOfSelection(selection);
    long areaCount = areas.Count();

    std::optional<SuspendedUpdates> suspended;
    if (updates == ExcelUpdates::SuspendedForTheRun) suspended.emplace(app);

    Walker walker(transform, blockCells.count);
    Range usedRange;
    for (long i = 1; i <= areaCount; ++i) {
        Range area = areas.Item(i);
        if (area.Rows().Count() <= kRowLimit && area.Columns().Count() <= kColumnLimit) {
            walker.Area(area);
            continue;
        }
        // Whole columns, whole rows and other huge areas: only the part inside the used range can hold text.
        if (usedRange.IsEmpty()) usedRange = sheet.UsedRange();
        Range inside = app.Intersect(area, usedRange);
        if (inside.IsEmpty()) continue;
        sheet::Areas parts = inside.Areas();
        long partCount = parts.Count();
        for (long j = 1; j <= partCount; ++j) walker.AreaInBlocks(parts.Item(j));
    }
    if (suspended) suspended->Restore();
}

}  // namespace cleanup
