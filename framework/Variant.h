// Owns one VARIANT: whatever it holds (a BSTR, an interface, an array) is freed with it.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace framework {

class Variant {
public:
    Variant() noexcept { ::VariantInit(&m_v); }
    // A failed copy (out of memory) leaves this one empty.
    Variant(const Variant& other) : Variant() { ::VariantCopy(&m_v, const_cast<VARIANT*>(&other.m_v)); }
    Variant(Variant&& other) noexcept : m_v(other.m_v) { ::VariantInit(&other.m_v); }
    ~Variant() { ::VariantClear(&m_v); }

    Variant& operator=(Variant other) noexcept
    {
        Swap(other);
        return *this;
    }

    static Variant FromLong(LONG value) noexcept
    {
        Variant v;
        v.m_v.vt = VT_I4;
        v.m_v.lVal = value;
        return v;
    }
    static Variant FromShort(SHORT value) noexcept
    {
        Variant v;
        v.m_v.vt = VT_I2;
        v.m_v.iVal = value;
        return v;
    }
    static Variant FromBool(bool value) noexcept
    {
        Variant v;
        v.m_v.vt = VT_BOOL;
        v.m_v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return v;
    }
    static Variant FromString(const std::wstring& text) noexcept
    {
        Variant v;
        v.m_v.vt = VT_BSTR;
        v.m_v.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!v.m_v.bstrVal) v.m_v.vt = VT_EMPTY;
        return v;
    }
    // Takes a reference of its own.
    static Variant FromDispatch(IDispatch* dispatch) noexcept
    {
        Variant v;
        v.m_v.vt = VT_DISPATCH;
        v.m_v.pdispVal = dispatch;
        if (dispatch) dispatch->AddRef();
        return v;
    }
    // How an automation call is told that an optional argument is left out.
    static Variant Missing() noexcept
    {
        Variant v;
        v.m_v.vt = VT_ERROR;
        v.m_v.scode = DISP_E_PARAMNOTFOUND;
        return v;
    }
    // Takes over what the caller's VARIANT holds and leaves it empty.
    static Variant Adopt(VARIANT& source) noexcept
    {
        Variant v;
        v.m_v = source;
        ::VariantInit(&source);
        return v;
    }

    const VARIANT& Get() const noexcept { return m_v; }
    VARIANT* Ptr() noexcept { return &m_v; }
    // For out parameters: clears the current content first so that nothing leaks.
    VARIANT* ReleaseAndGetAddressOf() noexcept
    {
        ::VariantClear(&m_v);
        return &m_v;
    }
    VARTYPE Type() const noexcept { return m_v.vt; }
    void Clear() noexcept { ::VariantClear(&m_v); }
    void Swap(Variant& other) noexcept
    {
        VARIANT tmp = m_v;
        m_v = other.m_v;
        other.m_v = tmp;
    }

private:
    VARIANT m_v;
};

}  // namespace framework
