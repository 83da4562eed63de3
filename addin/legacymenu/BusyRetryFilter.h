// The message filter of unregistration's worker: an Excel busy with a dialog or a recalculation rejects calls
// with "retry later"; without a filter COM gives up at once and Quit is refused. This one retries for a few
// seconds and then gives up, so that a busy Excel is quit cleanly rather than left running.
#pragma once

#include <objbase.h>

// Registered on this thread, which must be in a single-threaded apartment, for the object's life; the filter
// that was there before comes back afterwards.
class BusyRetryFilter : public IMessageFilter {
public:
    BusyRetryFilter() noexcept;
    ~BusyRetryFilter();
    BusyRetryFilter(const BusyRetryFilter&) = delete;
    BusyRetryFilter& operator=(const BusyRetryFilter&) = delete;

    // IUnknown: the object lives on its thread's stack, so counting is not needed.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IMessageFilter
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                               LPINTERFACEINFO info) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount, DWORD rejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount, DWORD pendingType) override;

private:
    IMessageFilter* m_previous = nullptr;
    bool m_registered = false;
};
