// The base of every typed wrapper: one dispatch pointer, and whether the wrapper releases it.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>
#include <string_view>

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
    // Takes over one reference when owning; borrows the pointer otherwise.
    DispatchWrapper(IDispatch* object, bool owning) noexcept : m_p(object), m_owning(owning) {}
    DispatchWrapper(const DispatchWrapper& other) noexcept;
    DispatchWrapper(DispatchWrapper&& other) noexcept;
    DispatchWrapper& operator=(const DispatchWrapper& other) noexcept;
    DispatchWrapper& operator=(DispatchWrapper&& other) noexcept;
    ~DispatchWrapper() { Release(); }

    void Attach(IDispatch* object, bool owning = true) noexcept;
    IDispatch* Detach() noexcept;
    void Release() noexcept;

    IDispatch* get() const noexcept { return m_p; }
    bool IsEmpty() const noexcept { return m_p == nullptr; }
    explicit operator bool() const noexcept { return m_p != nullptr; }

    // The same object under another wrapper type (a control found by Item as the popup it is); ownership
    // goes with it and this wrapper is left empty.
    template <class Wrapper>
    Wrapper As() && noexcept {
        Wrapper w;
        w.Attach(m_p, m_owning);
        m_p = nullptr;
        m_owning = false;
        return w;
    }

    // A wrapper of the wanted kind over an object result (empty for anything else); it owns the reference.
    template <class Wrapper>
    static Wrapper ObjectOf(Variant result) {
        Wrapper w;
        w.Attach(TakeDispatch(result), true);
        return w;
    }

protected:
    // Calls one member; on an empty wrapper makes no call and gives an empty result.
    // Arguments are in the member's own order; Invoke receives them reversed, as automation wants.
    Variant Invoke(DISPID id, CallKind kind, const wchar_t* member,
                   std::initializer_list<Variant> args = {}) const;
    void Put(DISPID id, const wchar_t* member, Variant value) const;

    long GetLong(DISPID id, const wchar_t* member) const;
    bool GetBool(DISPID id, const wchar_t* member) const;
    std::wstring GetString(DISPID id, const wchar_t* member) const;

    template <class Wrapper>
    Wrapper GetObject(DISPID id, const wchar_t* member) const {
        return ObjectOf<Wrapper>(Invoke(id, CallKind::Get, member));
    }

private:
    static IDispatch* TakeDispatch(Variant& result);

    IDispatch* m_p = nullptr;
    bool m_owning = false;
};

// Converts a narrow string in the ANSI code page, as the add-in keeps its names.
std::wstring WidenAnsi(std::string_view text);
std::string NarrowAnsi(std::wstring_view text);

}  // namespace sheet
