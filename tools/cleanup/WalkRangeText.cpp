#include "tools/cleanup/WalkRangeText.h"

#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "sheet/AutomationError.h"
#include "sheet/SelectionAreas.h"
#include "tools/cleanup/SuspendedUpdates.h"
#include "tools/common/BlockReader.h"
#include "tools/common/BlockWriter.h"
#include "tools/common/TextStaysText.h"

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
    SAFEARRAY* array = nullptr;
    Variant row = Variant::NewArray(VT_BSTR, 1, static_cast<ULONG>(texts.size()), 0, array);
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
    Walker(const TextTransform& transform, long blockCells, status::Progress& progress)
        : m_transform(transform), m_blockCells(blockCells), m_progress(progress) {}

    long Changed() const { return m_changed; }

    // Both give false when progress stopped the walk.
    bool Area(const Range& area) {
        Range rows = area.Rows();
        Range columns = area.Columns();
        Range cells = area.Cells();
        long rowCount = rows.Count();
        long columnCount = columns.Count();
        if (rowCount == 1 && columnCount == 1) {
            Cell(rows.Item(1));
            return m_progress.Continue(++m_rowsDone);
        }
        // Progress hears of each row before the next one starts.
        for (long r = 1; r <= rowCount; ++r, ++m_rowsDone) {
            if (r > 1 && !m_progress.Continue(m_rowsDone)) return false;
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
        return m_progress.Continue(m_rowsDone);
    }

    // Past the size limit: block by block, one value read each and one write per rectangle of changed texts.
    bool AreaInBlocks(const Range& area) {
        blocks::BlockReader reader(area, {m_blockCells, blocks::FormulaCells::Skipped});
        long rowsBefore = m_rowsDone;
        for (blocks::Block block; reader.Next(block);) {
            TextsOfBlock(block);
            // A band of rows is done with its last block.
            const blocks::BlockRect& place = block.Place();
            if (place.column + place.columns - 1 < reader.Columns()) continue;
            m_rowsDone = rowsBefore + place.row + place.rows - 1;
            if (!m_progress.Continue(m_rowsDone)) return false;
        }
        return true;
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

    void Cell(const Range& cell) {
        if (HasFormulaOrArray(cell)) return;
        Variant value = cell.Value();
        if (!value.IsString()) return;
        if (auto text = Rewritten(value.StringView())) Write(cell, *text);
    }

    void Write(const Range& cell, const std::wstring& text) {
        cell.SetValue(Variant::String(AsTypedText(text)));
        ++m_changed;
    }

    // A row that is not all text: the row's values already tell which cells hold a text, so only a text that
    // changes costs calls, and a formula check only when the row holds formulas at all.
    void MixedRow(const Range& cells, long r, const RowValues& values, long columnCount, bool mayHoldFormulas) {
        for (long c = 0; c < columnCount; ++c) {
            const VARIANT* element = values.At(c);
            if (!element || element->vt != VT_BSTR) continue;  // blank, number, date, boolean or error value
            auto text = Rewritten(blocks::TextOf(*element));
            if (!text) continue;
            Range cell = cells.Item(r, c + 1);
            // A formula's result can be a text; the formula stays.
            if (mayHoldFormulas && HasFormulaOrArray(cell)) continue;
            Write(cell, *text);
        }
    }

    void TextsOfBlock(const blocks::Block& block) {
        if (!block.ValuesRead()) return;  // formulas only
        blocks::BlockChanges changes(block.Rows(), block.Columns());
        long changed = 0;
        for (long c = 1; c <= block.Columns(); ++c) {
            for (long r = 1; r <= block.Rows(); ++r) {
                const VARIANT& cell = block.Value(r, c);
                if (cell.vt != VT_BSTR) continue;  // blank, number, date, boolean or error value
                auto text = Rewritten(blocks::TextOf(cell));
                if (!text) continue;
                // A formula's result can be a text; the formula stays.
                if (block.HoldsFormula(r, c)) continue;
                changes.Set(r, c, Variant::String(AsTypedText(*text)));
                ++changed;
            }
        }
        blocks::WriteChanges(block.Range(), changes);
        m_changed += changed;
    }

    // Returns false, having written nothing, when the row is not all text after all.
    bool BlockRow(const Range& row) {
        Variant value = row.Value();
        RowValues values(value);
        if (!values.IsArray()) return false;
        std::vector<std::wstring> texts;
        texts.reserve(static_cast<size_t>(values.Count()));
        long changed = 0;
        for (long c = 0; c < values.Count(); ++c) {
            const VARIANT* element = values.At(c);
            if (!element || element->vt != VT_BSTR) return false;
            std::wstring_view original = blocks::TextOf(*element);
            if (HoldsNul(original)) return false;
            std::wstring text(original);
            m_transform(text);
            if (text != original) ++changed;
            // An empty text written back as "" would empty the cell; the apostrophe keeps it an empty text.
            texts.push_back(original.empty() && text.empty() ? std::wstring(L"'") : AsTypedText(text));
        }
        if (changed == 0) return true;
        try {
            row.SetValue(RowArray(texts));
        } catch (const sheet::CAutomationError&) {
            // A row through a merged area is refused as a whole, while its cells one by one are not. Any
            // other refusal (a protected sheet, say) comes back from the first cell written.
            return false;
        }
        m_changed += changed;
        return true;
    }

    const TextTransform& m_transform;
    long m_blockCells;
    status::Progress& m_progress;
    long m_rowsDone = 0;
    long m_changed = 0;
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

long WalkRangeText(const sheet::Application& app, const TextTransform& transform, ExcelUpdates updates,
                   BlockCells blockCells, status::Progress& progress) {
    Range selection = app.Selection();
    sheet::Worksheet sheet = app.ActiveSheet();
    // Read before anything is switched off: a selection that is not a range fails here.
    sheet::Areas areas = sheet::AreasOfSelection(selection);
    long areaCount = areas.Count();

    std::optional<SuspendedUpdates> suspended;
    if (updates == ExcelUpdates::SuspendedForTheRun) suspended.emplace(app);

    // The areas to walk are gathered first, so that progress knows the rows before it.
    struct Part {
        Range range;
        bool inBlocks;
    };
    std::vector<Part> parts;
    long totalRows = 0;
    Range usedRange;
    for (long i = 1; i <= areaCount; ++i) {
        Range area = areas.Item(i);
        long rows = area.Rows().Count();
        if (rows <= kRowLimit && area.Columns().Count() <= kColumnLimit) {
            totalRows += rows;
            parts.push_back({std::move(area), false});
            continue;
        }
        // Whole columns, whole rows and other huge areas: only the part inside the used range can hold text.
        if (usedRange.IsEmpty()) usedRange = sheet.UsedRange();
        Range inside = app.Intersect(area, usedRange);
        if (inside.IsEmpty()) continue;
        sheet::Areas insideAreas = inside.Areas();
        long insideCount = insideAreas.Count();
        for (long j = 1; j <= insideCount; ++j) {
            Range part = insideAreas.Item(j);
            totalRows += part.Rows().Count();
            parts.push_back({std::move(part), true});
        }
    }

    progress.Begin(totalRows);
    Walker walker(transform, blockCells.count, progress);
    for (const Part& part : parts)
        if (!(part.inBlocks ? walker.AreaInBlocks(part.range) : walker.Area(part.range))) break;
    if (suspended) suspended->Restore();
    return walker.Changed();
}

}  // namespace cleanup
