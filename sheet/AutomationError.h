// A failed automation call: Excel's own description when it gave one, else the failure code.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "framework/Exception.h"

namespace sheet {

class CAutomationError : public framework::CException {
public:
    CAutomationError(HRESULT code, std::wstring description);

    // The HRESULT of the call, or the SCODE Excel put into its exception info.
    HRESULT Code() const noexcept { return m_code; }

    // Builds the error from what Invoke gave back; clears the exception info's strings.
    static CAutomationError FromInvoke(HRESULT hr, EXCEPINFO& info, const wchar_t* member);

private:
    HRESULT m_code;
};

}  // namespace sheet
