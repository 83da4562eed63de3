#include "sheet/Variant.h"

#include <new>

namespace sheet {

Variant::Variant(const Variant& other) {
    VariantInit(&m_v);
    if (FAILED(VariantCopy(&m_v, const_cast<VARIANT*>(&other.m_v)))) throw std::bad_alloc();
}

Variant::Variant(Variant&& other) noexcept : m_v(other.m_v) { VariantInit(&other.m_v); }

Variant& Variant::operator=(Variant other) noexcept {
    std::swap(m_v, other.m_v);
    return *this;
}

Variant Variant::Missing() {
    Variant v;
    v.m_v.vt = VT_ERROR;
    v.m_v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

Variant Variant::Long(long value) {
    Variant v;
    v.m_v.vt = VT_I4;
    v.m_v.lVal = value;
    return v;
}

Variant Variant::Short(short value) {
    Variant v;
    v.m_v.vt = VT_I2;
    v.m_v.iVal = value;
    return v;
}

Variant Variant::Bool(bool value) {
    Variant v;
    v.m_v.vt = VT_BOOL;
    v.m_v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Double(double value) {
    Variant v;
    v.m_v.vt = VT_R8;
    v.m_v.dblVal = value;
    return v;
}

Variant Variant::String(std::wstring_view text) {
    Variant v;
    BSTR s = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!s) throw std::bad_alloc();
    v.m_v.vt = VT_BSTR;
    v.m_v.bstrVal = s;
    return v;
}

Variant Variant::Object(IDispatch* object) {
    Variant v;
    v.m_v.vt = VT_DISPATCH;
    v.m_v.pdispVal = object;
    if (object) object->AddRef();
    return v;
}

Variant Variant::NewArray(VARTYPE element, ULONG rows, ULONG columns, LONG lowerBound, SAFEARRAY*& array) {
    SAFEARRAYBOUND bounds[2] = {{rows, lowerBound}, {columns, lowerBound}};
    array = SafeArrayCreate(element, 2, bounds);
    if (!array) throw std::bad_alloc();
    Variant v;
    v.m_v.vt = static_cast<VARTYPE>(VT_ARRAY | element);
    v.m_v.parray = array;
    return v;
}

Variant Variant::Adopt(VARIANT& raw) noexcept {
    Variant v;
    v.m_v = raw;
    VariantInit(&raw);
    return v;
}

std::wstring_view Variant::StringView() const noexcept {
    if (m_v.vt != VT_BSTR || !m_v.bstrVal) return {};
    return std::wstring_view(m_v.bstrVal, SysStringLen(m_v.bstrVal));
}

VARIANT* Variant::Receive() noexcept {
    VariantClear(&m_v);
    return &m_v;
}

VARIANT Variant::Detach() noexcept {
    VARIANT raw = m_v;
    VariantInit(&m_v);
    return raw;
}

}  // namespace sheet
