#include "addin/legacymenu/BusyRetryFilter.h"

namespace {

// How long a busy Excel is asked again, and how often.
constexpr DWORD kRetryFor = 4000;
constexpr DWORD kRetryEvery = 250;

}  // namespace

BusyRetryFilter::BusyRetryFilter() noexcept { m_registered = SUCCEEDED(CoRegisterMessageFilter(this, &m_previous)); }

BusyRetryFilter::~BusyRetryFilter() {
    if (!m_registered) return;
    IMessageFilter* ours = nullptr;
    CoRegisterMessageFilter(m_previous, &ours);
    if (m_previous) m_previous->Release();
}

HRESULT STDMETHODCALLTYPE BusyRetryFilter::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD STDMETHODCALLTYPE BusyRetryFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE BusyRetryFilter::RetryRejectedCall(HTASK, DWORD tickCount, DWORD rejectType) {
    if (rejectType == SERVERCALL_RETRYLATER && tickCount < kRetryFor) return kRetryEvery;
    return static_cast<DWORD>(-1);  // cancel the call
}

DWORD STDMETHODCALLTYPE BusyRetryFilter::MessagePending(HTASK, DWORD, DWORD) { return PENDINGMSG_WAITDEFPROCESS; }
