#include "host/excel/DispatchObject.h"

#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"
#include "host/excel/LiveObjects.h"

#include <cwchar>

namespace host {

namespace {

bool SameName(const std::wstring& a, const wchar_t* b) {
    int length = int(std::wcslen(b));
    return CompareStringOrdinal(a.c_str(), int(a.size()), b, length, TRUE) == CSTR_EQUAL;
}

std::wstring HexName(DISPID dispid) {
    wchar_t buffer[24];
    swprintf(buffer, 24, L"#0x%lX", static_cast<unsigned long>(dispid));
    return buffer;
}

BSTR AllocString(const std::wstring& text) { return SysAllocStringLen(text.data(), UINT(text.size())); }

}  // namespace

std::vector<std::wstring> NumberedParams(const std::wstring& prefix, int count) {
    std::vector<std::wstring> names;
    for (int i = 1; i <= count; ++i) names.push_back(prefix + std::to_wstring(i));
    return names;
}

DispatchObject::DispatchObject(std::shared_ptr<Excel> excel, const wchar_t* className,
                               const std::vector<Member>& members)
    : m_excel(std::move(excel)), m_className(className), m_members(members) {
    detail::ObjectCreated();
}

DispatchObject::~DispatchObject() { detail::ObjectDestroyed(); }

HRESULT STDMETHODCALLTYPE DispatchObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
    } else if (void* other = FindInterface(iid)) {
        *object = other;
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE DispatchObject::AddRef() { return ++m_references; }

ULONG STDMETHODCALLTYPE DispatchObject::Release() {
    ULONG remaining = --m_references;
    if (remaining == 0) delete this;
    return remaining;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids) return E_POINTER;
    if (count == 0) return S_OK;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (!names[0]) return DISP_E_UNKNOWNNAME;
    const Member* found = nullptr;
    for (const auto& member : m_members) {
        if (SameName(member.name, names[0])) {
            found = &member;
            break;
        }
    }
    if (!found) return DISP_E_UNKNOWNNAME;
    ids[0] = found->dispid;
    HRESULT hr = S_OK;
    for (UINT i = 1; i < count; ++i) {
        for (size_t p = 0; names[i] && p < found->params.size(); ++p) {
            if (SameName(found->params[p], names[i])) ids[i] = DISPID(p);
        }
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

const Member* DispatchObject::FindMember(DISPID dispid) const {
    for (const auto& member : m_members) {
        if (member.dispid == dispid) return &member;
    }
    return nullptr;
}

HRESULT STDMETHODCALLTYPE DispatchObject::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                                 VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!params) return E_INVALIDARG;
    // Keep the session (and this object) alive through the call, whatever the client releases.
    std::shared_ptr<Excel> excel = m_excel;
    framework::ComPtr<IDispatch> self = framework::ComPtr<IDispatch>(this);

    const Member* member = FindMember(dispid);
    bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    Kind kind = put ? Kind::Put : (flags & DISPATCH_PROPERTYGET) ? Kind::Get : Kind::Method;
    bool allowed = false;
    if (member) {
        if (put) {
            allowed = (member->kinds & kPut) != 0;
        } else if ((flags & DISPATCH_PROPERTYGET) && (member->kinds & kGet)) {
            kind = Kind::Get;
            allowed = true;
        } else if ((flags & DISPATCH_METHOD) && (member->kinds & kMethod)) {
            kind = Kind::Method;
            allowed = true;
        }
    }
    size_t position = 0;
    try {
        position = excel->Log().Start({m_className, member ? member->name : HexName(dispid), kind, dispid, S_OK});
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    HRESULT hr = allowed ? Dispatch(*member, kind, *params, result, exception, argError) : DISP_E_MEMBERNOTFOUND;
    excel->Log().Finish(position, hr);
    return hr;
}

HRESULT DispatchObject::Dispatch(const Member& member, Kind kind, const DISPPARAMS& params, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argError) {
    try {
        Arguments args(params, member.params.size(), kind == Kind::Put);
        if (m_excel->TakeInjectedFailure(std::wstring(m_className) + L"." + member.name)) {
            throw ExcelError(message::OfficeMemberFailed(member.name, m_className), E_FAIL);
        }
        Variant value = Call(member, kind, args);
        if (result && kind != Kind::Put) value.MoveTo(result);
        return S_OK;
    } catch (const ExcelError& error) {
        if (exception) {
            ZeroMemory(exception, sizeof *exception);
            exception->bstrSource = AllocString(L"Microsoft Excel");
            exception->bstrDescription = AllocString(error.Description());
            exception->scode = error.Scode();
        }
        return DISP_E_EXCEPTION;
    } catch (const ArgumentError& error) {
        if (argError && (error.code == DISP_E_TYPEMISMATCH || error.code == DISP_E_PARAMNOTFOUND)) {
            *argError = error.argIndex;
        }
        return error.code;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace host
