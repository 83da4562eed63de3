// A nested interface implementation: its own vtable, but AddRef, Release and QueryInterface go to the
// outer object, which holds the one reference count. It adds no virtual functions (and no virtual
// destructor), so its vtable is exactly the interface's.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace framework {

template <class Interface, class Outer>
class CNestedInterface : public Interface {
public:
    explicit CNestedInterface(Outer& outer) noexcept : m_outer(outer) {}
    CNestedInterface(const CNestedInterface&) = delete;
    CNestedInterface& operator=(const CNestedInterface&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override {
        return m_outer.ExternalQueryInterface(iid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return m_outer.ExternalAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return m_outer.ExternalRelease(); }

protected:
    Outer& m_outer;
};

}  // namespace framework

namespace framework {

// A nested interface on IDispatch that is reached through its own vtable only: its IDispatch members answer
// E_FAIL unless the implementation overrides them. Adds no virtual functions of its own either.
template <class Interface, class Outer>
class CNestedDispatch : public CNestedInterface<Interface, Outer> {
public:
    using CNestedInterface<Interface, Outer>::CNestedInterface;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_FAIL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_FAIL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_FAIL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_FAIL;
    }
};

}  // namespace framework
