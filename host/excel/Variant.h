// Owns one VARIANT: cleared on destruction, deep-copied on copy.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace host {

class Variant {
public:
    Variant() noexcept { VariantInit(&m_v); }
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    // Deep copy of a VARIANT the caller keeps; byref values are copied as the values they point at.
    static Variant CopyOf(const VARIANT& source);
    // Takes over a VARIANT the caller owned (an Invoke result, for example) and empties the source.
    static Variant Adopt(VARIANT& source) noexcept;

    static Variant Empty() { return {}; }
    static Variant Null();
    static Variant Bool(bool value);
    static Variant Long(long value);
    static Variant Short(short value);
    static Variant Double(double value);
    static Variant Date(double oleDate);
    static Variant Currency(long long scaledBy10000);
    static Variant String(const std::wstring& text);
    static Variant Error(SCODE code);
    // VT_ERROR with DISP_E_PARAMNOTFOUND: an optional argument left out.
    static Variant Missing() { return Error(DISP_E_PARAMNOTFOUND); }
    // Takes over one reference of the object; a null pointer makes VT_DISPATCH with no object.
    static Variant AdoptDispatch(IDispatch* object) noexcept;
    static Variant AdoptUnknown(IUnknown* object) noexcept;
    // Takes over the array; `elementType` is VT_VARIANT, VT_BSTR and so on.
    static Variant AdoptArray(SAFEARRAY* array, VARTYPE elementType) noexcept;

    ~Variant() { VariantClear(&m_v); }
    Variant& operator=(Variant other) noexcept;

    VARTYPE Type() const { return m_v.vt; }
    const VARIANT& Get() const { return m_v; }
    VARIANT& Get() { return m_v; }
    // Hands the value to an out parameter; this one is left empty.
    void MoveTo(VARIANT* target) noexcept;

    // Readings for tests; each asserts nothing and gives a neutral value for other types.
    std::wstring AsString() const;
    double AsDouble() const;
    long AsLong() const;
    bool AsBool() const;

private:
    VARIANT m_v;
};

}  // namespace host
