#include "addin/legacymenu/ExcelInstance.h"

#include <objbase.h>
#include <oleauto.h>

#include "sheet/Application.h"

ExcelInstance::ExcelInstance(const wchar_t* progId) noexcept {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(progId, &clsid))) return;
    framework::ComPtr<IUnknown> running;
    if (SUCCEEDED(GetActiveObject(clsid, nullptr, running.ReleaseAndGetAddressOf())) && running) {
        running.QueryInterface(IID_IDispatch, m_application);
        if (m_application) return;
    }
    if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(m_application.ReleaseAndGetAddressOf()))) &&
        m_application)
        m_startedHere = true;
}

ExcelInstance::~ExcelInstance() {
    if (!m_startedHere) return;
    try {
        sheet::Application(m_application).Quit();
    } catch (...) {
        // An Excel that will not quit is left to itself.
    }
}
