// Excel found by its ProgID, as unregistration reaches it: the running instance, or else a new one that
// is quit again when this object goes. An instance that was running is never quit: it may be the
// user's, or another program's.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "framework/ComPtr.h"

class ExcelInstance {
public:
    // Initialises COM on this thread for its lifetime when the caller has not.
    explicit ExcelInstance(const wchar_t* progId) noexcept;
    ~ExcelInstance();
    ExcelInstance(const ExcelInstance&) = delete;
    ExcelInstance& operator=(const ExcelInstance&) = delete;

    // Null when Excel is not installed or could not be started.
    IDispatch* Application() const noexcept { return m_application.Get(); }
    bool StartedHere() const noexcept { return m_startedHere; }

private:
    class Apartment {
    public:
        Apartment() noexcept : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
        ~Apartment() {
            if (SUCCEEDED(m_result)) CoUninitialize();
        }
        Apartment(const Apartment&) = delete;
        Apartment& operator=(const Apartment&) = delete;

    private:
        HRESULT m_result;
    };

    Apartment m_apartment;  // first in, last out
    framework::ComPtr<IDispatch> m_application;
    bool m_startedHere = false;
};
