#include "framework/Barrier.h"

#include "framework/Bstr.h"
#include "framework/ComPtr.h"
#include "framework/Exception.h"
#include "framework/Module.h"
#include "framework/ShowMessage.h"
#include "framework/TextConversion.h"
#include "framework/Trace.h"

#include <oleauto.h>

#include <new>

namespace framework {

namespace {

const wchar_t kUnknownFailure[] = L"An unexpected error occurred. The operation was not completed.";

HRESULT CodeOf(const std::exception_ptr& error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const CException& e) {
        return e.Code();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

void SetErrorInfoFor(const std::exception_ptr& error) {
    ComPtr<ICreateErrorInfo> created;
    if (FAILED(::CreateErrorInfo(created.ReleaseAndGetAddressOf()))) return;
    const Bstr description(DescribeException(error));
    const Bstr source(AppName());
    created->SetGUID(GUID_NULL);
    created->SetDescription(description.Get());
    created->SetSource(source.Get());
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(created.QueryInterface(IID_IErrorInfo, info))) ::SetErrorInfo(0, info.Get());
}

}  // namespace

std::wstring DescribeException(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const CException& e) {
        return e.Description();
    } catch (const std::bad_alloc&) {
        return L"There is not enough memory to complete the operation.";
    } catch (const std::exception& e) {
        return FromAnsi(e.what());
    } catch (...) {
        return kUnknownFailure;
    }
}

void ReportException(HWND owner, const std::exception_ptr& error) noexcept {
    const HWND topLevel = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    const UINT flags = MB_ICONSTOP | MB_OK;
    try {
        ShowMessage(topLevel, DescribeException(error), flags);
    } catch (...) {
        // Out of memory or a failing handler: the plain box still tells the user something went wrong.
        TraceSwallowed(L"showing a failure");
        ::MessageBoxW(topLevel, kUnknownFailure, nullptr, flags);
    }
}

HRESULT ReturnException(const std::exception_ptr& error) noexcept {
    const HRESULT code = CodeOf(error);
    try {
        SetErrorInfoFor(error);
    } catch (...) {
        // Out of memory while describing it: the code alone still says what happened.
        TraceSwallowed(L"describing a failure to Excel");
    }
    return code;
}

}  // namespace framework
