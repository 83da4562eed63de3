#include "sheet/DispatchWrapper.h"

#include <vector>

#include "sheet/AutomationError.h"

namespace sheet {

DispatchWrapper::DispatchWrapper(const DispatchWrapper& other) noexcept : m_p(other.m_p), m_owning(other.m_p != nullptr) {
    if (m_p) m_p->AddRef();
}

DispatchWrapper::DispatchWrapper(DispatchWrapper&& other) noexcept : m_p(other.m_p), m_owning(other.m_owning) {
    other.m_p = nullptr;
    other.m_owning = false;
}

DispatchWrapper& DispatchWrapper::operator=(const DispatchWrapper& other) noexcept {
    if (this != &other) {
        if (other.m_p) other.m_p->AddRef();
        Release();
        m_p = other.m_p;
        m_owning = other.m_p != nullptr;
    }
    return *this;
}

DispatchWrapper& DispatchWrapper::operator=(DispatchWrapper&& other) noexcept {
    if (this != &other) {
        Release();
        m_p = other.m_p;
        m_owning = other.m_owning;
        other.m_p = nullptr;
        other.m_owning = false;
    }
    return *this;
}

void DispatchWrapper::Attach(IDispatch* object, bool owning) noexcept {
    Release();
    m_p = object;
    m_owning = owning;
}

IDispatch* DispatchWrapper::Detach() noexcept {
    IDispatch* p = m_p;
    m_p = nullptr;
    m_owning = false;
    return p;
}

void DispatchWrapper::Release() noexcept {
    if (m_p && m_owning) m_p->Release();
    m_p = nullptr;
    m_owning = false;
}

Variant DispatchWrapper::Invoke(DISPID id, CallKind kind, const wchar_t* member,
                                std::initializer_list<Variant> args) const {
    Variant result;
    if (!m_p) return result;

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
    HRESULT hr = m_p->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, static_cast<WORD>(kind), &params,
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
    HRESULT hr = VariantChangeType(out.Receive(), const_cast<VARIANT*>(&value.get()), 0, to);
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
    if (!m_p) return {};
    Variant v = Converted(Invoke(id, CallKind::Get, member), VT_BSTR, member);
    return std::wstring(v.StringView());
}

IDispatch* DispatchWrapper::TakeDispatch(Variant& result) {
    if (result.type() == VT_DISPATCH) {
        VARIANT raw = result.Detach();
        return raw.pdispVal;
    }
    if (result.type() == VT_UNKNOWN && result.get().punkVal) {
        IDispatch* object = nullptr;
        result.get().punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
        return object;
    }
    return nullptr;
}

std::wstring WidenAnsi(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string NarrowAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr, nullptr);
    return narrow;
}

}  // namespace sheet
