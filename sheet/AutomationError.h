// A failed automation call: Excel's own description when it gave one, else the failure code.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "framework/Exception.h"

namespace sheet {

// Code() is the HRESULT of the call, or the SCODE Excel put into its exception info.
class CAutomationError : public framework::CException {
public:
    CAutomationError(HRESULT code, std::wstring description);

    // Builds the error from what Invoke gave back; frees and clears the exception info's strings.
    static CAutomationError FromInvoke(HRESULT hr, EXCEPINFO& info, const wchar_t* member);
};

}  // namespace sheet
