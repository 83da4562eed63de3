#include "tools/duplicates/ValueBlock.h"

#include <utility>

namespace duplicates {

namespace {

const VARIANT& EmptyValue() {
    static const VARIANT empty = [] {
        VARIANT v;
        VariantInit(&v);
        return v;
    }();
    return empty;
}

}  // namespace

ValueBlock::ValueBlock(sheet::Variant values) : m_values(std::move(values)) {
    const VARIANT& v = m_values.get();
    if (v.vt != (VT_ARRAY | VT_VARIANT) || !v.parray || SafeArrayGetDim(v.parray) != 2) return;
    LONG lower[2] = {}, upper[2] = {};
    for (UINT dimension = 1; dimension <= 2; ++dimension) {
        SafeArrayGetLBound(v.parray, dimension, &lower[dimension - 1]);
        SafeArrayGetUBound(v.parray, dimension, &upper[dimension - 1]);
    }
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(v.parray, &data))) return;
    m_data = static_cast<const VARIANT*>(data);
    m_rows = upper[0] - lower[0] + 1;
    m_columns = upper[1] - lower[1] + 1;
}

ValueBlock::ValueBlock(ValueBlock&& other) noexcept
    : m_values(std::move(other.m_values)), m_data(other.m_data), m_rows(other.m_rows), m_columns(other.m_columns) {
    other.m_data = nullptr;
}

ValueBlock::~ValueBlock() {
    if (m_data) SafeArrayUnaccessData(m_values.get().parray);
}

const VARIANT& ValueBlock::At(long row, long column) const noexcept {
    if (row < 1 || column < 1 || row > m_rows || column > m_columns) return EmptyValue();
    // The first index runs fastest in a SAFEARRAY.
    if (m_data) return m_data[(column - 1) * m_rows + (row - 1)];
    return m_values.get();
}

}  // namespace duplicates
