// The ribbon side of the add-in object: the markup, and the callbacks Excel calls by name.
#include <optional>
#include <string_view>

#include "addin/AddinGuids.h"
#include "addin/ButtonImage.h"
#include "addin/MyAddin.h"
#include "addin/RibbonMarkup.h"
#include "addin/ShellOpen.h"
#include "framework/Barrier.h"
#include "framework/Module.h"
#include "framework/ModuleStateGuard.h"
#include "framework/TextConversion.h"
#include "res/resource.h"

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
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!rgDispId || !rgszNames) return E_POINTER;
    if (cNames != 1) return E_INVALIDARG;
    char buffer[kAnsiNameBuffer];
    std::optional<std::string_view> name;
    if (rgszNames[0]) name = framework::ToAnsiExact(rgszNames[0], buffer, kAnsiNameBuffer);
    DISPID id = DISPID_UNKNOWN;
    if (!name || !LookupRibbonCallback(*name, id)) return DISP_E_UNKNOWNNAME;
    *rgDispId = id;
    return S_OK;
}

HRESULT CMyAddin::XCallbackInterface::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD, DISPPARAMS* pDispParams,
                                             VARIANT* pVarResult, EXCEPINFO*, UINT*) {
    framework::ModuleStateGuard guard;
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!pDispParams) return E_POINTER;
    return framework::HResultBarrier([&]() -> HRESULT {
        switch (dispIdMember) {
        case DISPID_REMDUPS: return RunTool(static_cast<long>(Tool::RemoveDuplicates));
        case DISPID_REMCHARS: return RunTool(static_cast<long>(Tool::RemoveCharacters));
        case DISPID_CHANGECASE: return RunTool(static_cast<long>(Tool::ChangeCase));
        case DISPID_MERGECELL: return RunTool(static_cast<long>(Tool::MergeCellText));
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
    return framework::HResultBarrier([&] { m_outer.RunTool(tool); });
}

HRESULT CMyAddin::XCallbackInterface::LoadImages(BSTR* imageId, VARIANT* result) {
    framework::ModuleStateGuard guard;
    if (!result) return S_OK;
    char buffer[kAnsiNameBuffer];
    std::optional<std::string_view> name;
    if (imageId) {
        std::wstring_view id(*imageId, SysStringLen(*imageId));
        name = framework::ToAnsiExact(id, buffer, kAnsiNameBuffer);
    }
    framework::ComPtr<IDispatch> picture;
    if (name == std::string_view("remdups.bmp"))
        picture = CreatePictureFromPngResource(framework::CurrentResourceHandle(), IDR_PNG_REMDUPS);
    SetNullPicture(result);
    result->pdispVal = picture.Detach();
    return S_OK;
}
