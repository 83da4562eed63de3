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

// The string of a callback's first argument, by value or by reference; null for anything else.
BSTR* StringArgument(DISPPARAMS& params) {
    if (params.cArgs < 1 || !params.rgvarg) return nullptr;
    VARIANT& first = params.rgvarg[params.cArgs - 1];  // arguments arrive in reverse order
    if (first.vt == VT_BSTR) return &first.bstrVal;
    if (first.vt == (VT_BSTR | VT_BYREF)) return first.pbstrVal;
    return nullptr;
}

// The object of a callback's first argument (onLoad's IRibbonUI), by value or by reference; null for anything else.
IDispatch* ObjectArgument(DISPPARAMS& params) {
    if (params.cArgs < 1 || !params.rgvarg) return nullptr;
    VARIANT& first = params.rgvarg[params.cArgs - 1];
    if (first.vt == VT_DISPATCH) return first.pdispVal;
    if (first.vt == (VT_DISPATCH | VT_BYREF) && first.ppdispVal) return *first.ppdispVal;
    return nullptr;
}

// The result is out-only: whatever the caller left in it is not ours to clear or release.
void SetPicture(VARIANT* result, framework::ComPtr<IDispatch> picture) {
    VariantInit(result);
    result->vt = VT_DISPATCH;
    result->pdispVal = picture.Detach();
}

}  // namespace

HRESULT CMyAddin::XRibbonExtensibility::QueryInterface(REFIID iid, void** ppv) {
    // Excel asks the ribbon interface for IDispatch and calls the callbacks through what it gets.
    if (iid == IID_IDispatch) return m_outer.ExternalQueryInterface(IID_ICellwrightCallbacks, ppv);
    return m_outer.ExternalQueryInterface(iid, ppv);
}

HRESULT CMyAddin::XCallbackInterface::QueryInterface(REFIID iid, void** ppv) {
    if (iid == IID_IDispatch) return m_outer.ExternalQueryInterface(IID_ICellwrightCallbacks, ppv);
    return m_outer.ExternalQueryInterface(iid, ppv);
}

HRESULT CMyAddin::XRibbonExtensibility::GetCustomUI(BSTR, BSTR* RibbonXml) {
    if (!RibbonXml) return E_POINTER;
    std::wstring_view markup = RibbonMarkup();
    *RibbonXml = SysAllocStringLen(markup.data(), static_cast<UINT>(markup.size()));
    return *RibbonXml ? S_OK : E_OUTOFMEMORY;
}

HRESULT CMyAddin::XCallbackInterface::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                                    DISPID* rgDispId) {
    framework::DispatchName name;
    if (HRESULT hr = name.Read(riid, rgszNames, cNames, rgDispId); FAILED(hr)) return hr;
    DISPID id = DISPID_UNKNOWN;
    const bool known = commands::FindCallback(name.Ansi(), id);
    *rgDispId = known ? id : DISPID_UNKNOWN;
    return known ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT CMyAddin::XCallbackInterface::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD, DISPPARAMS* pDispParams,
                                             VARIANT* pVarResult, EXCEPINFO*, UINT*) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!pDispParams) return E_POINTER;
    if (pVarResult) VariantInit(pVarResult);
    return framework::HResultBarrier([&]() -> HRESULT {
        if (dispIdMember == DISPID_LOADIMAGES) {
            if (!pVarResult) return S_OK;
            if (BSTR* imageId = StringArgument(*pDispParams)) return LoadImages(imageId, pVarResult);
            SetPicture(pVarResult, nullptr);
            return S_OK;
        }
        if (dispIdMember == DISPID_RIBBONLOADED) {
            m_outer.RibbonLoaded(ObjectArgument(*pDispParams));
            return S_OK;
        }
        if (const commands::Command* asked = commands::CommandOfEnabled(dispIdMember)) {
            if (pVarResult) {
                pVarResult->vt = VT_BOOL;
                pVarResult->boolVal = m_outer.Enabled(*asked) ? VARIANT_TRUE : VARIANT_FALSE;
            }
            return S_OK;
        }
        const commands::Command* command = commands::CommandOfAction(dispIdMember);
        if (!command) return DISP_E_MEMBERNOTFOUND;
        m_outer.RunCommand(*command);
        return S_OK;
    });
}

HRESULT CMyAddin::XCallbackInterface::RunTool(long tool) {
    return framework::HResultBarrier([&] { m_outer.RunTool(tool); });
}

HRESULT CMyAddin::XCallbackInterface::LoadImages(BSTR* imageId, VARIANT* result) {
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
