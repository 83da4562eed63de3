// The IDispatch side of every stand-in object: reference counting and the live-object count,
// name lookup (case-insensitive, parameter names too), Excel's calling conventions and the
// barrier that turns failures into HRESULTs and EXCEPINFO. Derived classes answer members.
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/Arguments.h"
#include "host/excel/CallLog.h"
#include "host/excel/Variant.h"

#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace host {

class Excel;

enum MemberKinds : unsigned { kGet = 1, kPut = 2, kMethod = 4 };

struct Member {
    std::wstring name;
    DISPID dispid;
    unsigned kinds;
    std::vector<std::wstring> params;
};

// "Arg1" to "Arg30" for Union and Intersect.
std::vector<std::wstring> NumberedParams(const std::wstring& prefix, int count);

class DispatchObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

protected:
    DispatchObject(std::shared_ptr<Excel> excel, const wchar_t* className, const std::vector<Member>& members);
    virtual ~DispatchObject();

    // Answers one member; throws ExcelError or ArgumentError. The result is ignored for puts.
    virtual Variant Call(const Member& member, Kind kind, const Arguments& args) = 0;
    // An interface beyond IUnknown and IDispatch, without AddRef; null when not offered.
    virtual void* FindInterface(REFIID) { return nullptr; }

    Excel& Session() const { return *m_excel; }
    const std::shared_ptr<Excel>& SessionPtr() const { return m_excel; }

    template <class T, class... Args>
    static framework::ComPtr<IDispatch> Make(Args&&... args) {
        T* object = new (std::nothrow) T(std::forward<Args>(args)...);
        if (!object) throw std::bad_alloc();
        return framework::ComPtr<IDispatch>::Adopt(object);
    }

private:
    const Member* FindMember(DISPID dispid) const;
    HRESULT Dispatch(const Member& member, Kind kind, const DISPPARAMS& params, VARIANT* result, EXCEPINFO* exception,
                     UINT* argError);

    std::atomic<ULONG> m_references{1};
    std::shared_ptr<Excel> m_excel;
    const wchar_t* m_className;
    const std::vector<Member>& m_members;
};

// A value that holds a new object.
inline Variant ObjectResult(framework::ComPtr<IDispatch> object) { return Variant::AdoptDispatch(object.Detach()); }

}  // namespace host
