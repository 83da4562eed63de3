#include "framework/ClassFactory.h"

#include "framework/Barrier.h"
#include "framework/ModuleLock.h"

namespace framework {

HRESULT STDMETHODCALLTYPE CClassFactory::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    AddRef();
    *ppv = static_cast<IClassFactory*>(this);
    return S_OK;
}

ULONG STDMETHODCALLTYPE CClassFactory::AddRef() {
    LockModule();
    return static_cast<ULONG>(::InterlockedIncrement(&m_refCount));
}

ULONG STDMETHODCALLTYPE CClassFactory::Release() {
    const LONG remaining = ::InterlockedDecrement(&m_refCount);
    UnlockModule();
    return static_cast<ULONG>(remaining);
}

HRESULT STDMETHODCALLTYPE CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return HResultBarrier([&] { return m_entry.create(iid, ppv); });
}

HRESULT STDMETHODCALLTYPE CClassFactory::LockServer(BOOL lock) {
    if (lock) {
        LockModule();
    } else {
        UnlockModule();
    }
    return S_OK;
}

}  // namespace framework
