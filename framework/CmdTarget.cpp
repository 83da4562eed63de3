#include "framework/CmdTarget.h"

#include "framework/ModuleLock.h"

namespace framework {

CCmdTarget::CCmdTarget() noexcept { LockModule(); }

CCmdTarget::~CCmdTarget() { UnlockModule(); }

ULONG CCmdTarget::ExternalAddRef() noexcept { return static_cast<ULONG>(::InterlockedIncrement(&m_refCount)); }

ULONG CCmdTarget::ExternalRelease() noexcept {
    const LONG remaining = ::InterlockedDecrement(&m_refCount);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

HRESULT CCmdTarget::ExternalQueryInterface(REFIID iid, void** ppv) noexcept {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const InterfaceMap map = GetInterfaceMap();
    IUnknown* found = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) {
        found = map.count ? map.entries[0].get(*this) : GetIDispatch(false);
    } else {
        for (size_t i = 0; i < map.count && !found; ++i) {
            if (IsEqualIID(iid, *map.entries[i].iid)) found = map.entries[i].get(*this);
        }
        if (!found && IsEqualIID(iid, IID_IDispatch)) found = GetIDispatch(false);
    }
    if (!found) return E_NOINTERFACE;
    found->AddRef();
    *ppv = found;
    return S_OK;
}

IDispatch* CCmdTarget::GetIDispatch(bool addRef) noexcept {
    if (!m_automation) return nullptr;
    if (addRef) ExternalAddRef();
    return &m_xDispatch;
}

InterfaceEntry CCmdTarget::AutomationEntry(const IID& iid) noexcept {
    return InterfaceEntry{&iid, [](CCmdTarget& target) -> IUnknown* { return target.GetIDispatch(false); }};
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                                               DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (count && (!names || !ids)) return E_POINTER;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return count ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::XDispatch::Invoke(DISPID, REFIID iid, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                        EXCEPINFO*, UINT*) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return DISP_E_MEMBERNOTFOUND;
}

}  // namespace framework
