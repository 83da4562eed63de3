#include "sheet/DispatchWrapper.h"

#include <vector>

#include "sheet/AutomationError.h"

namespace sheet {

namespace {

// Every call into Excel says English (United States): Excel then reads a text the add-in writes by the one
// set of rules the add-in knows (a German "wahr" stays a text), whatever the user's language. What Excel
// shows (Range.Text) keeps the user's formats.
const LCID kExcelLocale = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

}  // namespace

Variant DispatchWrapper::Invoke(DISPID id, CallKind kind, const wchar_t* member,
                                std::initializer_list<Variant> args) const {
    Variant result;
    if (!m_object) return result;

    // Shallow copies: the Variants in args keep ownership of their content.
    std::vector<VARIANT> reversed(args.size());
    size_t i = args.size();
    for (const Variant& arg : args) reversed[--i] = arg.get();

    DISPPARAMS params{};
    params.cArgs = static_cast<UINT>(reversed.size());
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    DISPID putId = DISPID_PROPERTYPUT;
    if (kind == CallKind::Put) {
        params.cNamedArgs = 1;
        params.rgdispidNamedArgs = &putId;
    }

    EXCEPINFO info{};
    UINT argErr = 0;
    HRESULT hr = m_object->Invoke(id, IID_NULL, kExcelLocale, static_cast<WORD>(kind), &params,
                                  kind == CallKind::Put ? nullptr : result.Receive(), &info, &argErr);
    if (FAILED(hr)) throw CAutomationError::FromInvoke(hr, info, member);
    return result;
}

void DispatchWrapper::Put(DISPID id, const wchar_t* member, Variant value) const {
    Invoke(id, CallKind::Put, member, {std::move(value)});
}

namespace {

Variant Converted(Variant value, VARTYPE to, const wchar_t* member) {
    if (value.IsEmpty() && to != VT_BSTR) return value;
    Variant out;
    HRESULT hr = VariantChangeTypeEx(out.Receive(), const_cast<VARIANT*>(&value.get()), kExcelLocale, 0, to);
    if (FAILED(hr)) {
        EXCEPINFO none{};
        throw CAutomationError::FromInvoke(hr, none, member);
    }
    return out;
}

}  // namespace

long DispatchWrapper::GetLong(DISPID id, const wchar_t* member) const {
    Variant v = Converted(Invoke(id, CallKind::Get, member), VT_I4, member);
    return v.type() == VT_I4 ? v.get().lVal : 0;
}

bool DispatchWrapper::GetBool(DISPID id, const wchar_t* member) const {
    Variant v = Converted(Invoke(id, CallKind::Get, member), VT_BOOL, member);
    return v.type() == VT_BOOL && v.get().boolVal != VARIANT_FALSE;
}

std::wstring DispatchWrapper::GetString(DISPID id, const wchar_t* member) const {
    if (!m_object) return {};
    Variant v = Converted(Invoke(id, CallKind::Get, member), VT_BSTR, member);
    return std::wstring(v.StringView());
}

framework::ComPtr<IDispatch> DispatchWrapper::TakeDispatch(Variant& result) {
    if (result.type() == VT_DISPATCH) return framework::ComPtr<IDispatch>::Adopt(result.Detach().pdispVal);
    framework::ComPtr<IDispatch> object;
    if (result.type() == VT_UNKNOWN && result.get().punkVal)
        result.get().punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.ReleaseAndGetAddressOf()));
    return object;
}

}  // namespace sheet
