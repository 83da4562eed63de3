// The ribbon side of the add-in object: the markup, and the callbacks Excel calls by name.
#include <string>

#include "addin/AddinGuids.h"
#include "addin/ButtonImage.h"
#include "addin/DispatchNames.h"
#include "addin/MyAddin.h"
#include "addin/RibbonMarkup.h"
#include "addin/ShellOpen.h"
#include "framework/Barrier.h"
#include "framework/Module.h"
#include "framework/ModuleStateGuard.h"
#include "res/resource.h"

namespace {

// The string of a callback's first argument, by value or by reference; null for anything else.
BSTR* StringArgument(DISPPARAMS& params) {
    if (params.cArgs < 1 || !params.rgvarg) return nullptr;
    VARIANT& first = params.rgvarg[params.cArgs - 1];  // arguments arrive in reverse order
    if (first.vt == VT_BSTR) return &first.bstrVal;
    if (first.vt == (VT_BSTR | VT_BYREF)) return first.pbstrVal;
    return nullptr;
}

void SetNullPicture(VARIANT* result) {
    VariantClear(result);
    result->vt = VT_DISPATCH;
    result->pdispVal = nullptr;
}

}  // namespace

HRESULT CMyAddin::XRibbonExtensibility::QueryInterface(REFIID, void** ppv) {
    framework::ModuleStateGuard guard;
    return m_outer.ExternalQueryInterface(IID_ICellwrightCallbacks, ppv);
}

HRESULT CMyAddin::XRibbonExtensibility::GetCustomUI(BSTR, BSTR* RibbonXml) {
    framework::ModuleStateGuard guard;
    if (!RibbonXml) return E_POINTER;
    std::wstring_view markup = RibbonMarkup();
    *RibbonXml = SysAllocStringLen(markup.data(), static_cast<UINT>(markup.size()));
    return *RibbonXml ? S_OK : E_OUTOFMEMORY;
}

HRESULT CMyAddin::XCallbackInterface::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                                    DISPID* rgDispId) {
    framework::ModuleStateGuard guard;
    return framework::HResultBarrier([&] {
        std::string name;
        HRESULT hr = ReadOneAnsiName(riid, rgszNames, cNames, rgDispId, name);
        if (FAILED(hr)) return hr;
        DISPID id = DISPID_UNKNOWN;
        if (!LookupRibbonCallback(name.c_str(), id)) return DISP_E_UNKNOWNNAME;
        *rgDispId = id;
        return S_OK;
    });
}

HRESULT CMyAddin::XCallbackInterface::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD, DISPPARAMS* pDispParams,
                                             VARIANT* pVarResult, EXCEPINFO*, UINT*) {
    framework::ModuleStateGuard guard;
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!pDispParams) return E_POINTER;
    return framework::HResultBarrier([&]() -> HRESULT {
        switch (dispIdMember) {
        case DISPID_REMDUPS: return RunTool(kRemoveDuplicates);
        case DISPID_REMCHARS: return RunTool(kRemoveCharacters);
        case DISPID_CHANGECASE: return RunTool(kChangeCase);
        case DISPID_MERGECELL: return RunTool(kMergeCellText);
        case DISPID_LOADIMAGES:
            if (!pVarResult) return S_OK;
            if (BSTR* imageId = StringArgument(*pDispParams)) return LoadImages(imageId, pVarResult);
            SetNullPicture(pVarResult);
            return S_OK;
        case DISPID_GOHOME: OpenHomePage(); return S_OK;
        case DISPID_HELP: OpenHelpFile(); return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    });
}

HRESULT CMyAddin::XCallbackInterface::RunTool(long tool) {
    framework::ModuleStateGuard guard;
    return framework::HResultBarrier([&] { m_outer.RunTool(static_cast<int>(tool)); });
}

HRESULT CMyAddin::XCallbackInterface::LoadImages(BSTR* imageId, VARIANT* result) {
    framework::ModuleStateGuard guard;
    if (!result) return S_OK;
    framework::HResultBarrier([&] {
        std::string name;
        IDispatch* picture = nullptr;
        if (imageId && ToAnsiName(*imageId ? *imageId : L"", name) && name == "remdups.bmp")
            picture = CreatePictureFromPngResource(framework::CurrentResourceHandle(), IDR_PNG_REMDUPS);
        SetNullPicture(result);
        result->pdispVal = picture;
    });
    return S_OK;
}
