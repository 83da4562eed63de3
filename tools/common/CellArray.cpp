#include "tools/common/CellArray.h"

#include <string>
#include <utility>

#include "sheet/AutomationError.h"

namespace blocks {

namespace {

const VARIANT& EmptyCell() noexcept {
    static const VARIANT empty = [] {
        VARIANT v;
        VariantInit(&v);
        return v;
    }();
    return empty;
}

bool HasShape(SAFEARRAY* array, long rows, long columns) {
    if (!array || SafeArrayGetDim(array) != 2) return false;
    LONG lower1 = 0, upper1 = -1, lower2 = 0, upper2 = -1;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower1)) || FAILED(SafeArrayGetUBound(array, 1, &upper1)) ||
        FAILED(SafeArrayGetLBound(array, 2, &lower2)) || FAILED(SafeArrayGetUBound(array, 2, &upper2)))
        return false;
    return upper1 - lower1 + 1 == rows && upper2 - lower2 + 1 == columns;
}

}  // namespace

CellArray::CellArray(sheet::Variant value, long rows, long columns, const wchar_t* member) : m_value(std::move(value)) {
    const VARIANT& v = m_value.get();
    if (rows == 1 && columns == 1 && !(v.vt & VT_ARRAY)) {
        m_cells = &v;
    } else {
        void* data = nullptr;
        if (v.vt != (VT_ARRAY | VT_VARIANT) || !HasShape(v.parray, rows, columns) ||
            FAILED(SafeArrayAccessData(v.parray, &data)))
            throw sheet::CAutomationError(E_UNEXPECTED, std::wstring(member) + L" did not give the " +
                                                            std::to_wstring(rows) + L" by " + std::to_wstring(columns) +
                                                            L" cells that were asked for.");
        m_cells = static_cast<const VARIANT*>(data);
    }
    m_rows = rows;
    m_columns = columns;
}

CellArray::CellArray(CellArray&& other) noexcept { *this = std::move(other); }

CellArray& CellArray::operator=(CellArray&& other) noexcept {
    if (this == &other) return *this;
    Unlock();
    // A scalar points into its own Variant, which moves with it.
    bool scalar = other.m_cells == &other.m_value.get();
    m_value = std::move(other.m_value);
    m_cells = scalar ? &m_value.get() : other.m_cells;
    m_rows = other.m_rows;
    m_columns = other.m_columns;
    other.m_cells = nullptr;
    other.m_rows = other.m_columns = 0;
    return *this;
}

CellArray::~CellArray() { Unlock(); }

void CellArray::Unlock() noexcept {
    if (m_cells && m_cells != &m_value.get()) SafeArrayUnaccessData(m_value.get().parray);
    m_cells = nullptr;
}

const VARIANT& CellArray::At(long row, long column) const noexcept {
    if (!m_cells || row < 1 || row > m_rows || column < 1 || column > m_columns) return EmptyCell();
    // The first dimension, the rows, varies fastest.
    return m_cells[(row - 1) + static_cast<size_t>(column - 1) * static_cast<size_t>(m_rows)];
}

std::size_t CellArray::Bytes() const noexcept {
    if (!m_cells) return 0;
    const std::size_t cells = static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_columns);
    std::size_t bytes = cells * sizeof(VARIANT);
    for (std::size_t i = 0; i < cells; ++i)
        if (m_cells[i].vt == VT_BSTR && m_cells[i].bstrVal) bytes += SysStringByteLen(m_cells[i].bstrVal);
    return bytes;
}

std::wstring_view TextOf(const VARIANT& cell) noexcept {
    if (cell.vt != VT_BSTR || !cell.bstrVal) return {};
    return std::wstring_view(cell.bstrVal, SysStringLen(cell.bstrVal));
}

}  // namespace blocks
