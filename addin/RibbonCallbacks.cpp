// The ribbon side of the add-in object: the markup, and the callbacks Excel calls by name.
#include <string_view>

#include "addin/AddinGuids.h"
#include "addin/MyAddin.h"
#include "addin/ribbon/ButtonImage.h"
#include "addin/ribbon/RibbonMarkup.h"
#include "framework/Barrier.h"
#include "framework/DispatchName.h"
#include "framework/TextConversion.h"

namespace {

// Names are compared in the ANSI code page; a longer one, terminator included, matches nothing.
constexpr size_t kAnsiNameBuffer = 512;

// A callback's first argument; null when there is none.
VARIANT* FirstArgument(DISPPARAMS& params) {
    if (params.cArgs < 1 || !params.rgvarg) return nullptr;
    return &params.rgvarg[params.cArgs - 1];  // arguments arrive in reverse order
}

// The string of a callback's first argument, by value or by reference; null for anything else.
BSTR* StringArgument(DISPPARAMS& params) {
    VARIANT* first = FirstArgument(params);
    if (first && first->vt == VT_BSTR) return &first->bstrVal;
    if (first && first->vt == (VT_BSTR | VT_BYREF)) return first->pbstrVal;
    return nullptr;
}

// The object of a callback's first argument, by value or by reference; null for anything else.
framework::ComPtr<IDispatch> DispatchArgument(DISPPARAMS& params) {
    VARIANT* first = FirstArgument(params);
    if (first && first->vt == VT_DISPATCH) return framework::ComPtr<IDispatch>(first->pdispVal);
    if (first && first->vt == (VT_DISPATCH | VT_BYREF) && first->ppdispVal)
        return framework::ComPtr<IDispatch>(*first->ppdispVal);
    return nullptr;
}

// The result is out-only: whatever the caller left in it is not ours to clear or release.
void SetPicture(VARIANT* result, framework::ComPtr<IDispatch> picture) {
    VariantInit(result);
    result->vt = VT_DISPATCH;
    result->pdispVal = picture.Detach();
}

}  // namespace

HRESULT CMyAddin::RibbonExtensibility::QueryInterface(REFIID iid, void** ppv) {
    // Excel asks the ribbon interface for IDispatch and calls the callbacks through what it gets.
    if (iid == IID_IDispatch) return m_outer.ExternalQueryInterface(IID_ICellwrightCallbacks, ppv);
    return m_outer.ExternalQueryInterface(iid, ppv);
}

HRESULT CMyAddin::Callbacks::QueryInterface(REFIID iid, void** ppv) {
    if (iid == IID_IDispatch) return m_outer.ExternalQueryInterface(IID_ICellwrightCallbacks, ppv);
    return m_outer.ExternalQueryInterface(iid, ppv);
}

HRESULT CMyAddin::RibbonExtensibility::GetCustomUI(BSTR, BSTR* ribbonXml) {
    if (!ribbonXml) return E_POINTER;
    std::wstring_view markup = RibbonMarkup();
    *ribbonXml = SysAllocStringLen(markup.data(), static_cast<UINT>(markup.size()));
    return *ribbonXml ? S_OK : E_OUTOFMEMORY;
}

HRESULT CMyAddin::Callbacks::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    framework::DispatchName name;
    if (HRESULT hr = name.Read(iid, names, count, ids); FAILED(hr)) return hr;
    DISPID id = DISPID_UNKNOWN;
    const bool known = commands::FindCallback(name.Ansi(), id);
    *ids = known ? id : DISPID_UNKNOWN;
    return known ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT CMyAddin::Callbacks::Invoke(DISPID id, REFIID iid, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO*, UINT*) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!params) return E_POINTER;
    if (result) VariantInit(result);
    return framework::HResultBarrier([&]() -> HRESULT {
        if (id == commands::kLoadImages.id) {
            if (!result) return S_OK;
            if (BSTR* imageId = StringArgument(*params)) return LoadImages(imageId, result);
            SetPicture(result, nullptr);
            return S_OK;
        }
        if (id == commands::kRibbonLoaded.id) {
            m_outer.m_runner.RibbonLoaded(sheet::RibbonUI(DispatchArgument(*params)));
            return S_OK;
        }
        if (const commands::Command* command = commands::CommandOfEnabling(id)) return AnswerEnabled(*command, result);
        const commands::Command* command = commands::CommandOfAction(id);
        if (!command) return DISP_E_MEMBERNOTFOUND;
        m_outer.m_runner.Run(*command);
        return S_OK;
    });
}

HRESULT CMyAddin::Callbacks::AnswerEnabled(const commands::Command& command, VARIANT* result) {
    if (!result) return S_OK;
    result->vt = VT_BOOL;
    result->boolVal = command.enabled(m_outer.m_runner.Context()) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT CMyAddin::Callbacks::LoadImages(BSTR* imageId, VARIANT* result) {
    if (!result) return S_OK;
    framework::ComPtr<IDispatch> picture;
    if (imageId) {
        // Only a name the ANSI code page holds exactly can be an image's, as with the callbacks' names.
        std::wstring_view id(*imageId, SysStringLen(*imageId));
        char buffer[kAnsiNameBuffer];
        if (framework::ToAnsiExact(id, buffer, kAnsiNameBuffer)) picture = ButtonImageNamed(id);
    }
    SetPicture(result, std::move(picture));
    return S_OK;
}
