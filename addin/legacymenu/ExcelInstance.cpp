#include "addin/legacymenu/ExcelInstance.h"

#include <objbase.h>
#include <oleauto.h>

#include "framework/Trace.h"
#include "sheet/Application.h"

ExcelInstance ExcelInstance::Running(const CLSID& clsid) noexcept {
    ExcelInstance excel;
    framework::ComPtr<IUnknown> running;
    if (SUCCEEDED(GetActiveObject(clsid, nullptr, running.ReleaseAndGetAddressOf())) && running)
        running.QueryInterface(IID_IDispatch, excel.m_application);
    return excel;
}

ExcelInstance ExcelInstance::Start(const CLSID& clsid) noexcept {
    ExcelInstance excel;
    if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(excel.m_application.ReleaseAndGetAddressOf()))) &&
        excel.m_application)
        excel.m_startedHere = true;
    return excel;
}

ExcelInstance::ExcelInstance(ExcelInstance&& other) noexcept
    : m_application(std::move(other.m_application)), m_startedHere(other.m_startedHere) {
    other.m_startedHere = false;
}

ExcelInstance::~ExcelInstance() { Quit(); }

bool ExcelInstance::Quit() noexcept {
    if (!m_startedHere) return false;
    m_startedHere = false;
    try {
        sheet::Application(m_application).Quit();
        return true;
    } catch (...) {
        framework::TraceSwallowed(L"quitting the Excel unregistration started");
        return false;
    }
}
