// An owning VARIANT: cleared on destruction, deep-copied on copy.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace sheet {

class Variant {
public:
    Variant() noexcept { VariantInit(&m_v); }
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant other) noexcept;
    ~Variant() { VariantClear(&m_v); }

    static Variant Missing();
    static Variant Long(long value);
    static Variant Short(short value);
    static Variant Bool(bool value);
    static Variant Double(double value);
    static Variant String(std::wstring_view text);
    // Takes an added reference to the object; a null pointer gives VT_DISPATCH null.
    static Variant Object(IDispatch* object);
    // A new rows x columns array of the element type, both lower bounds the same, as Range.Value takes it.
    // Gives the array too, for filling. Throws std::bad_alloc when it cannot be made.
    static Variant NewArray(VARTYPE element, ULONG rows, ULONG columns, LONG lowerBound, SAFEARRAY*& array);
    // Takes over a VARIANT that the caller owned.
    static Variant Adopt(VARIANT& raw) noexcept;

    const VARIANT& get() const noexcept { return m_v; }
    VARTYPE type() const noexcept { return m_v.vt; }
    bool IsEmpty() const noexcept { return m_v.vt == VT_EMPTY; }
    bool IsString() const noexcept { return m_v.vt == VT_BSTR; }
    bool IsFalseBool() const noexcept { return m_v.vt == VT_BOOL && m_v.boolVal == VARIANT_FALSE; }
    // The string's text (an empty text for a null BSTR); only for VT_BSTR.
    std::wstring_view StringView() const noexcept;
    // Clears it and hands out the raw VARIANT to be filled, e.g. by Invoke.
    VARIANT* Receive() noexcept;
    // Gives up ownership of the content.
    VARIANT Detach() noexcept;

private:
    VARIANT m_v;
};

}  // namespace sheet
