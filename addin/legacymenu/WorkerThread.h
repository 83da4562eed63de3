// Work on a thread of its own, in a single-threaded apartment whose message filter retries calls a busy server
// rejects (BusyRetryFilter), that its starter waits for only so long.
// The thread keeps the module loaded until it ends, so work left behind can still finish after the call
// that started it has returned and the DLL has been freed by its caller.
#pragma once

#include <windows.h>

#include <functional>

class WorkerThread {
public:
    // Runs work at once; nothing runs when no thread can be had. Whatever work throws ends it silently.
    explicit WorkerThread(std::function<void()> work) noexcept;
    // Never waits: a thread still running goes on by itself.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    bool Started() const noexcept { return m_thread != nullptr; }
    // The thread's handle, signalled when the work has ended.
    HANDLE Handle() const noexcept { return m_thread; }

private:
    HANDLE m_thread = nullptr;
};

// Waits at most `milliseconds` for any of the handles; meanwhile a thread in a single-threaded apartment goes
// on serving the calls other apartments make into it. The index of the handle signalled, or WAIT_TIMEOUT.
DWORD WaitServingCalls(const HANDLE* handles, DWORD count, DWORD milliseconds) noexcept;
