#include "framework/Barrier.h"

#include "framework/Exception.h"
#include "framework/Module.h"
#include "framework/ShowMessage.h"
#include "framework/TextConversion.h"

namespace framework {

namespace {

const wchar_t kUnknownFailure[] = L"An unexpected error occurred. The operation was not completed.";

}  // namespace

std::wstring DescribeException(const std::exception_ptr& error)
{
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

void ReportException(HWND owner, const std::exception_ptr& error) noexcept
{
    const HWND topLevel = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    const UINT flags = MB_ICONSTOP | MB_OK;
    try {
        ShowMessage(topLevel, DescribeException(error), flags);
    } catch (...) {
        // Out of memory or a failing handler: the plain box still tells the user something went wrong.
        ::MessageBoxW(topLevel, kUnknownFailure, nullptr, flags);
    }
}

}  // namespace framework
