// Excel found by its class, as unregistration reaches it: the running instance, or a new one that is quit
// again. An instance that was running is never quit: it may be the user's, or another program's. The
// caller's thread must be in an apartment.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "framework/ComPtr.h"

class ExcelInstance {
public:
    // The running Excel of that class; none when none runs.
    static ExcelInstance Running(const CLSID& clsid) noexcept;
    // A new Excel of that class, started as a local server; none when it could not be started.
    static ExcelInstance Start(const CLSID& clsid) noexcept;

    ExcelInstance(ExcelInstance&& other) noexcept;
    ExcelInstance& operator=(ExcelInstance&&) = delete;
    ExcelInstance(const ExcelInstance&) = delete;
    ExcelInstance& operator=(const ExcelInstance&) = delete;
    // Quits an Excel started here that Quit has not yet been asked of.
    ~ExcelInstance();

    IDispatch* Application() const noexcept { return m_application.Get(); }
    bool StartedHere() const noexcept { return m_startedHere; }
    // Asks an Excel started here to quit; true when it did. Does nothing to one that was running.
    bool Quit() noexcept;

private:
    ExcelInstance() noexcept = default;

    framework::ComPtr<IDispatch> m_application;
    bool m_startedHere = false;
};
