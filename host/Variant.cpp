#include "host/Variant.h"

#include <new>
#include <utility>

namespace host {

Variant::Variant(const Variant& other)
{
    VariantInit(&m_v);
    if (FAILED(VariantCopy(&m_v, const_cast<VARIANT*>(&other.m_v)))) throw std::bad_alloc();
}

Variant::Variant(Variant&& other) noexcept
{
    m_v = other.m_v;
    VariantInit(&other.m_v);
}

Variant Variant::CopyOf(const VARIANT& source)
{
    Variant copy;
    HRESULT hr = VariantCopyInd(&copy.m_v, const_cast<VARIANT*>(&source));
    if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
    if (FAILED(hr)) VariantInit(&copy.m_v);
    return copy;
}

Variant Variant::Adopt(VARIANT& source) noexcept
{
    Variant owned;
    owned.m_v = source;
    VariantInit(&source);
    return owned;
}

Variant Variant::Null()
{
    Variant v;
    v.m_v.vt = VT_NULL;
    return v;
}

Variant Variant::Bool(bool value)
{
    Variant v;
    v.m_v.vt = VT_BOOL;
    v.m_v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Long(long value)
{
    Variant v;
    v.m_v.vt = VT_I4;
    v.m_v.lVal = value;
    return v;
}

Variant Variant::Short(short value)
{
    Variant v;
    v.m_v.vt = VT_I2;
    v.m_v.iVal = value;
    return v;
}

Variant Variant::Double(double value)
{
    Variant v;
    v.m_v.vt = VT_R8;
    v.m_v.dblVal = value;
    return v;
}

Variant Variant::Date(double oleDate)
{
    Variant v;
    v.m_v.vt = VT_DATE;
    v.m_v.date = oleDate;
    return v;
}

Variant Variant::Currency(long long scaledBy10000)
{
    Variant v;
    v.m_v.vt = VT_CY;
    v.m_v.cyVal.int64 = scaledBy10000;
    return v;
}

Variant Variant::String(const std::wstring& text)
{
    Variant v;
    BSTR b = SysAllocStringLen(text.data(), UINT(text.size()));
    if (!b) throw std::bad_alloc();
    v.m_v.vt = VT_BSTR;
    v.m_v.bstrVal = b;
    return v;
}

Variant Variant::Error(SCODE code)
{
    Variant v;
    v.m_v.vt = VT_ERROR;
    v.m_v.scode = code;
    return v;
}

Variant Variant::AdoptDispatch(IDispatch* object) noexcept
{
    Variant v;
    v.m_v.vt = VT_DISPATCH;
    v.m_v.pdispVal = object;
    return v;
}

Variant Variant::AdoptArray(SAFEARRAY* array, VARTYPE elementType) noexcept
{
    Variant v;
    v.m_v.vt = VARTYPE(VT_ARRAY | elementType);
    v.m_v.parray = array;
    return v;
}

Variant& Variant::operator=(Variant other) noexcept
{
    std::swap(m_v, other.m_v);
    return *this;
}

void Variant::MoveTo(VARIANT* target) noexcept
{
    *target = m_v;
    VariantInit(&m_v);
}

std::wstring Variant::AsString() const
{
    if (m_v.vt == VT_BSTR) return m_v.bstrVal ? std::wstring(m_v.bstrVal, SysStringLen(m_v.bstrVal)) : L"";
    VARIANT converted;
    VariantInit(&converted);
    std::wstring text;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_v), 0, VT_BSTR)) && converted.bstrVal) {
        text.assign(converted.bstrVal, SysStringLen(converted.bstrVal));
    }
    VariantClear(&converted);
    return text;
}

double Variant::AsDouble() const
{
    VARIANT converted;
    VariantInit(&converted);
    double value = 0;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_v), 0, VT_R8))) value = converted.dblVal;
    VariantClear(&converted);
    return value;
}

long Variant::AsLong() const
{
    VARIANT converted;
    VariantInit(&converted);
    long value = 0;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_v), 0, VT_I4))) value = converted.lVal;
    VariantClear(&converted);
    return value;
}

bool Variant::AsBool() const
{
    VARIANT converted;
    VariantInit(&converted);
    bool value = false;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_v), 0, VT_BOOL))) {
        value = converted.boolVal != VARIANT_FALSE;
    }
    VariantClear(&converted);
    return value;
}

}  // namespace host
