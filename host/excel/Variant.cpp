#include "host/excel/Variant.h"

#include <new>
#include <utility>

namespace host {

Variant::Variant(const Variant& other) {
    VariantInit(&m_v);
    if (FAILED(VariantCopy(&m_v, const_cast<VARIANT*>(&other.m_v)))) throw std::bad_alloc();
}

Variant::Variant(Variant&& other) noexcept {
    m_v = other.m_v;
    VariantInit(&other.m_v);
}

Variant Variant::CopyOf(const VARIANT& source) {
    Variant copy;
    HRESULT hr = VariantCopyInd(&copy.m_v, const_cast<VARIANT*>(&source));
    if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
    if (FAILED(hr)) VariantInit(&copy.m_v);
    return copy;
}

Variant Variant::Adopt(VARIANT& source) noexcept {
    Variant owned;
    owned.m_v = source;
    VariantInit(&source);
    return owned;
}

Variant Variant::Null() {
    Variant v;
    v.m_v.vt = VT_NULL;
    return v;
}

Variant Variant::Bool(bool value) {
    Variant v;
    v.m_v.vt = VT_BOOL;
    v.m_v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
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

Variant Variant::Double(double value) {
    Variant v;
    v.m_v.vt = VT_R8;
    v.m_v.dblVal = value;
    return v;
}

Variant Variant::Date(double oleDate) {
    Variant v;
    v.m_v.vt = VT_DATE;
    v.m_v.date = oleDate;
    return v;
}

Variant Variant::Currency(long long scaledBy10000) {
    Variant v;
    v.m_v.vt = VT_CY;
    v.m_v.cyVal.int64 = scaledBy10000;
    return v;
}

Variant Variant::String(const std::wstring& text) {
    Variant v;
    BSTR b = SysAllocStringLen(text.data(), UINT(text.size()));
    if (!b) throw std::bad_alloc();
    v.m_v.vt = VT_BSTR;
    v.m_v.bstrVal = b;
    return v;
}

Variant Variant::Error(SCODE code) {
    Variant v;
    v.m_v.vt = VT_ERROR;
    v.m_v.scode = code;
    return v;
}

Variant Variant::AdoptDispatch(IDispatch* object) noexcept {
    Variant v;
    v.m_v.vt = VT_DISPATCH;
    v.m_v.pdispVal = object;
    return v;
}

Variant Variant::AdoptUnknown(IUnknown* object) noexcept {
    Variant v;
    v.m_v.vt = VT_UNKNOWN;
    v.m_v.punkVal = object;
    return v;
}

Variant Variant::AdoptArray(SAFEARRAY* array, VARTYPE elementType) noexcept {
    Variant v;
    v.m_v.vt = VARTYPE(VT_ARRAY | elementType);
    v.m_v.parray = array;
    return v;
}

Variant& Variant::operator=(Variant other) noexcept {
    std::swap(m_v, other.m_v);
    return *this;
}

void Variant::MoveTo(VARIANT* target) noexcept {
    *target = m_v;
    VariantInit(&m_v);
}

namespace {

// Converts a copy of the value to `type` and reads the result; `fallback` when the value does not convert.
template <class T, class Read>
T Converted(const VARIANT& value, VARTYPE type, T fallback, Read read) {
    VARIANT converted;
    VariantInit(&converted);
    T result = fallback;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, type))) result = read(converted);
    VariantClear(&converted);
    return result;
}

}  // namespace

std::wstring Variant::AsString() const {
    if (m_v.vt == VT_BSTR) return m_v.bstrVal ? std::wstring(m_v.bstrVal, SysStringLen(m_v.bstrVal)) : L"";
    return Converted(m_v, VT_BSTR, std::wstring(), [](const VARIANT& v) {
        return v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : std::wstring();
    });
}

double Variant::AsDouble() const {
    return Converted(m_v, VT_R8, 0.0, [](const VARIANT& v) { return v.dblVal; });
}

long Variant::AsLong() const {
    return Converted(m_v, VT_I4, 0L, [](const VARIANT& v) { return static_cast<long>(v.lVal); });
}

bool Variant::AsBool() const {
    return Converted(m_v, VT_BOOL, false, [](const VARIANT& v) { return v.boolVal != VARIANT_FALSE; });
}

}  // namespace host
