#include "tools/merge/AreaTexts.h"

namespace merge {

namespace {

// A cell's text ends at its first NUL, though a BSTR may carry more after it.
std::wstring_view UpToFirstNul(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }

// Range.Value of a multi-cell area: a two-dimensional array, rows first.
class AreaValues {
public:
    explicit AreaValues(const sheet::Variant& values) {
        const VARIANT& v = values.get();
        if (v.vt != (VT_ARRAY | VT_VARIANT) || !v.parray || SafeArrayGetDim(v.parray) != 2) return;
        m_array = v.parray;
        SafeArrayGetLBound(m_array, 1, &m_firstRow);
        SafeArrayGetLBound(m_array, 2, &m_firstColumn);
    }

    // True only when the array says so; without an array every cell is read.
    bool IsBlank(long row, long column) const {
        if (!m_array) return false;
        LONG indices[2] = {m_firstRow + row - 1, m_firstColumn + column - 1};
        void* element = nullptr;
        if (FAILED(SafeArrayPtrOfIndex(m_array, indices, &element))) return false;
        return static_cast<const VARIANT*>(element)->vt == VT_EMPTY;
    }

private:
    SAFEARRAY* m_array = nullptr;
    LONG m_firstRow = 0;
    LONG m_firstColumn = 0;
};

}  // namespace

TextGrid ReadAreaTexts(const sheet::Range& area, long rows, long columns) {
    TextGrid grid(rows, columns);
    sheet::Variant values = area.Value();
    AreaValues blanks(values);
    sheet::Range cells = area.Cells();
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            if (blanks.IsBlank(r, c)) continue;
            sheet::Variant text = cells.Item(r, c).Text();
            if (!text.IsString()) continue;
            grid.At(r, c) = std::wstring(UpToFirstNul(text.StringView()));
        }
    }
    return grid;
}

}  // namespace merge
