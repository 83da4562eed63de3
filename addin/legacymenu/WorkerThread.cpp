#include "addin/legacymenu/WorkerThread.h"

#include "addin/legacymenu/BusyRetryFilter.h"

#include <objbase.h>

#include <memory>
#include <new>

#include "framework/Trace.h"

namespace {

struct ThreadStart {
    std::function<void()> work;
    HMODULE module = nullptr;  // the reference that keeps this code loaded while the thread runs
};

DWORD WINAPI ThreadMain(void* parameter) {
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    const HMODULE module = start->module;
    const bool apartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    try {
        const BusyRetryFilter filter;
        start->work();
    } catch (...) {
        // The starter has its answer from what the work recorded, not from how it ended.
        framework::TraceSwallowed(L"work on a thread of its own");
    }
    start.reset();
    if (apartment) CoUninitialize();
    FreeLibraryAndExitThread(module, 0);
}

}  // namespace

WorkerThread::WorkerThread(std::function<void()> work) noexcept {
    auto start = std::unique_ptr<ThreadStart>(new (std::nothrow) ThreadStart);
    if (!start) return;
    try {
        start->work = std::move(work);
    } catch (...) {
        framework::TraceSwallowed(L"starting a thread of its own");
        return;
    }
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&ThreadMain),
                            &start->module))
        return;
    const HMODULE module = start->module;
    m_thread = CreateThread(nullptr, 0, ThreadMain, start.get(), 0, nullptr);
    if (m_thread) {
        start.release();
    } else {
        FreeLibrary(module);
    }
}

WorkerThread::~WorkerThread() {
    if (m_thread) CloseHandle(m_thread);
}

DWORD WaitServingCalls(const HANDLE* handles, DWORD count, DWORD milliseconds) noexcept {
    DWORD index = 0;
    HRESULT hr = CoWaitForMultipleHandles(0, milliseconds, count, const_cast<HANDLE*>(handles), &index);
    if (hr == CO_E_NOTINITIALIZED) {
        // No apartment on this thread: nothing to serve.
        const DWORD result = WaitForMultipleObjects(count, handles, FALSE, milliseconds);
        return result < WAIT_OBJECT_0 + count ? result - WAIT_OBJECT_0 : WAIT_TIMEOUT;
    }
    return SUCCEEDED(hr) ? index : WAIT_TIMEOUT;
}
