// The base of every typed wrapper: one counted reference to an automation object, always owned.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>

#include "framework/ComPtr.h"
#include "sheet/Variant.h"

namespace sheet {

enum class CallKind : WORD {
    Method = DISPATCH_METHOD,
    Get = DISPATCH_PROPERTYGET,
    Put = DISPATCH_PROPERTYPUT,
};

class DispatchWrapper {
public:
    DispatchWrapper() noexcept = default;
    // Holds the object's reference; framework::ComPtr says whether it was shared or handed over.
    explicit DispatchWrapper(framework::ComPtr<IDispatch> object) noexcept : m_object(std::move(object)) {}

    IDispatch* get() const noexcept { return m_object.Get(); }
    // The reference itself, for a wrapper of another kind over the same object.
    const framework::ComPtr<IDispatch>& Object() const noexcept { return m_object; }
    bool IsEmpty() const noexcept { return !m_object; }
    explicit operator bool() const noexcept { return static_cast<bool>(m_object); }

    // A wrapper of the wanted kind over an object result (empty for anything else).
    template <class Wrapper>
    static Wrapper ObjectOf(Variant result) {
        return Wrapper(TakeDispatch(result));
    }

protected:
    // Calls one member; on an empty wrapper makes no call and gives an empty result.
    // Arguments are in the member's own order; Invoke receives them reversed, as automation wants.
    Variant Invoke(DISPID id, CallKind kind, const wchar_t* member, std::initializer_list<Variant> args = {}) const;
    void Put(DISPID id, const wchar_t* member, Variant value) const;

    long GetLong(DISPID id, const wchar_t* member) const;
    bool GetBool(DISPID id, const wchar_t* member) const;
    std::wstring GetString(DISPID id, const wchar_t* member) const;

    template <class Wrapper>
    Wrapper GetObject(DISPID id, const wchar_t* member) const {
        return ObjectOf<Wrapper>(Invoke(id, CallKind::Get, member));
    }

private:
    static framework::ComPtr<IDispatch> TakeDispatch(Variant& result);

    framework::ComPtr<IDispatch> m_object;
};

}  // namespace sheet
