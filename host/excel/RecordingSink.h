// A Click sink of the kind another add-in advises on a button: it records each click it hears and may
// act on it. Tests use it to play a second add-in of the family, or to see what Office passes.
//
//   auto sink = host::RecordingSink::Create();
//   ... advise sink.Get() on a button's connection point, then excel->Click(button) ...
//   sink->Clicks();   // one entry per click: the caption of the button Office passed
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/ButtonEvents.h"
#include "host/excel/UnknownImpl.h"

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>
#include <vector>

namespace host {

// Answers IUnknown, IDispatch and _CommandBarButtonEvents.
class RecordingSink : public UnknownImpl<IDispatch, IID_IDispatch, DIID_CommandBarButtonEvents> {
public:
    static framework::ComPtr<RecordingSink> Create(std::function<void()> onClick = nullptr);

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // The caption of the button passed with each click ("?" when the arguments were not Office's two:
    // the button and CancelDefault by reference).
    const std::vector<std::wstring>& Clicks() const { return m_clicks; }

private:
    explicit RecordingSink(std::function<void()> onClick) : m_onClick(std::move(onClick)) {}
    ~RecordingSink() override = default;

    std::function<void()> m_onClick;
    std::vector<std::wstring> m_clicks;
};

}  // namespace host
