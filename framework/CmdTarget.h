// The base of the module's COM objects: one reference count and one interface table shared by the
// object's nested interface implementations, and an optional automation IDispatch without members.
#pragma once

#include "framework/Barrier.h"
#include "framework/NestedInterface.h"

#include <windows.h>
#include <oaidl.h>

#include <cstddef>
#include <new>

namespace framework {

class CCmdTarget;

// One row of an object's interface table: the interface identifier and how to reach its implementation.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*get)(CCmdTarget& target);
};

struct InterfaceMap {
    const InterfaceEntry* entries;
    size_t count;
};

template <size_t N>
constexpr InterfaceMap MakeInterfaceMap(const InterfaceEntry (&entries)[N]) noexcept {
    return InterfaceMap{entries, N};
}

namespace detail {
template <class T>
struct MemberOf;
template <class C, class M>
struct MemberOf<M C::*> {
    using Class = C;
};
}  // namespace detail

// The table row of a nested interface member: InterfaceEntryFor<&CMyAddin::m_xExtensibility>(IID_...).
template <auto member>
constexpr InterfaceEntry InterfaceEntryFor(const IID& iid) noexcept {
    using Outer = typename detail::MemberOf<decltype(member)>::Class;
    return InterfaceEntry{&iid, [](CCmdTarget& target) -> IUnknown* { return &(static_cast<Outer&>(target).*member); }};
}

class CCmdTarget {
public:
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // What the nested interfaces forward to. Release returns the count its decrement gave and deletes the
    // object at zero.
    ULONG ExternalAddRef() noexcept;
    ULONG ExternalRelease() noexcept;
    // E_POINTER for a null out pointer; *ppv is null on a miss. IID_IUnknown gives the first table
    // entry (the object's identity); IID_IDispatch gives the automation IDispatch when automation is on
    // and the table does not list IDispatch itself.
    HRESULT ExternalQueryInterface(REFIID iid, void** ppv) noexcept;

    // The automation IDispatch (null while automation is off); AddRefs when asked to.
    IDispatch* GetIDispatch(bool addRef) noexcept;

    // The table row for the automation IDispatch under an interface identifier of the object's own.
    static InterfaceEntry AutomationEntry(const IID& iid) noexcept;

protected:
    // Reference count 1 for the creator; counts one more live object for the module.
    CCmdTarget() noexcept;
    virtual ~CCmdTarget();

    void EnableAutomation() noexcept { m_automation = true; }
    virtual InterfaceMap GetInterfaceMap() const noexcept { return InterfaceMap{nullptr, 0}; }

private:
    // IDispatch with no members: the object answers automation, but names nothing.
    class XDispatch : public CNestedInterface<IDispatch, CCmdTarget> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                                DISPID* ids) override;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                         VARIANT* result, EXCEPINFO* exception, UINT* argError) override;
    };

    LONG m_refCount = 1;
    bool m_automation = false;
    XDispatch m_xDispatch{*this};
};

// Holds a reference to an object for a scope: a call that may outlive every outside reference (a modal wizard
// while the host lets go of the object) keeps the object, and with it the module, alive until it returns.
// The object may be gone when the scope ends: nothing of it may be touched after.
class ScopedReference {
public:
    explicit ScopedReference(CCmdTarget& target) noexcept : m_target(target) { m_target.ExternalAddRef(); }
    ~ScopedReference() { m_target.ExternalRelease(); }
    ScopedReference(const ScopedReference&) = delete;
    ScopedReference& operator=(const ScopedReference&) = delete;

private:
    CCmdTarget& m_target;
};

// Creates a T (reference count 1), asks it for iid and drops the creator's reference, so that a failed
// QueryInterface frees the object again.
template <class T>
HRESULT CreateComObject(REFIID iid, void** ppv) noexcept {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    return HResultBarrier([&] {
        T* object = new (std::nothrow) T();
        if (!object) return E_OUTOFMEMORY;
        const HRESULT hr = object->ExternalQueryInterface(iid, ppv);
        object->ExternalRelease();
        return hr;
    });
}

}  // namespace framework
