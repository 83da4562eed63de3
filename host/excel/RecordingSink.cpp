#include "host/excel/RecordingSink.h"

#include <new>
#include <stdexcept>

namespace host {

namespace {

constexpr DISPID kCaption = 0x60040003;

std::wstring CaptionOf(IDispatch* button) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT caption;
    VariantInit(&caption);
    if (!button ||
        FAILED(button->Invoke(kCaption, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &caption, nullptr, nullptr)) ||
        caption.vt != VT_BSTR) {
        VariantClear(&caption);
        return L"?";
    }
    std::wstring text(caption.bstrVal ? caption.bstrVal : L"");
    VariantClear(&caption);
    return text;
}

}  // namespace

framework::ComPtr<RecordingSink> RecordingSink::Create(std::function<void()> onClick) {
    auto* sink = new (std::nothrow) RecordingSink(std::move(onClick));
    if (!sink) throw std::bad_alloc();
    return framework::ComPtr<RecordingSink>::Adopt(sink);
}

HRESULT STDMETHODCALLTYPE RecordingSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE RecordingSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE RecordingSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE RecordingSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                                EXCEPINFO*, UINT*) {
    if (dispid != kClickDispid || !params) return S_OK;
    const bool officeArguments =
        params->cArgs == 2 && params->rgvarg[1].vt == VT_DISPATCH && params->rgvarg[0].vt == (VT_BOOL | VT_BYREF);
    try {
        m_clicks.push_back(officeArguments ? CaptionOf(params->rgvarg[1].pdispVal) : L"?");
        if (m_onClick) m_onClick();
    } catch (...) {
        return E_FAIL;
    }
    return S_OK;
}

}  // namespace host
