#include "tests/addin/AddinTestKit.h"

#include <gtest/gtest.h>

#include "addin/AddinGuids.h"
#include "addin/commands/ShellOpen.h"
#include "framework/ClassRegistry.h"

namespace cwtest {

IDTExtensibility2* CreateAddinThroughFactory() {
    IClassFactory* factory = nullptr;
    if (FAILED(framework::GetClassObject(CLSID_CellwrightAddin, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    IDTExtensibility2* addin = nullptr;
    factory->CreateInstance(nullptr, IID_IDTExtensibility2, reinterpret_cast<void**>(&addin));
    factory->Release();
    return addin;
}

ConnectedAddin::ConnectedAddin(const std::wstring& version, ext_ConnectMode mode) : m_excel(host::Excel::Create()) {
    m_excel->SetVersion(version);
    m_extensibility = CreateAddinThroughFactory();
    EXPECT_NE(m_extensibility, nullptr);
    if (!m_extensibility) return;
    framework::ComPtr<IDispatch> app = m_excel->Application();
    EXPECT_EQ(m_extensibility->OnConnection(app.Get(), mode, nullptr, nullptr), S_OK);
    IRibbonExtensibility* ribbon = nullptr;
    m_extensibility->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon));
    if (ribbon) {
        ribbon->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_callbacks));
        ribbon->Release();
    }
    EXPECT_NE(m_callbacks, nullptr);
}

ConnectedAddin::~ConnectedAddin() {
    if (m_callbacks) m_callbacks->Release();
    if (m_extensibility) {
        m_extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
        m_extensibility->Release();
    }
}

HRESULT ConnectedAddin::InvokeCallback(DISPID id) {
    VARIANT control;
    VariantInit(&control);
    control.vt = VT_DISPATCH;
    control.pdispVal = nullptr;
    DISPPARAMS params{&control, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = m_callbacks->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr,
                                     nullptr);
    VariantClear(&result);
    return hr;
}

namespace {
ShellOpenRecorder* g_activeRecorder = nullptr;
}

ShellOpenRecorder::ShellOpenRecorder() : m_previous(SetShellOpenFunction(&ShellOpenRecorder::Record)) {
    g_activeRecorder = this;
}

ShellOpenRecorder::~ShellOpenRecorder() {
    g_activeRecorder = nullptr;
    SetShellOpenFunction(m_previous);
}

void ShellOpenRecorder::Record(const std::wstring& target, int show) {
    if (g_activeRecorder) g_activeRecorder->m_calls.push_back({target, show});
}

std::vector<std::wstring> ShellOpenRecorder::Targets() const {
    std::vector<std::wstring> targets;
    for (const Call& call : m_calls) targets.push_back(call.target);
    return targets;
}

}  // namespace cwtest
