// A failed automation call: Excel's own description when it gave one, else the failure code.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "framework/Exception.h"

namespace sheet {

// What the user is told when a chart or a drawing is selected where a tool needs cells.
inline constexpr wchar_t kSelectionIsNotCells[] =
    L"The selection is not a range of cells. Select the cells to change and try again.";

// Code() is the HRESULT of the call, or the SCODE Excel put into its exception info.
class CAutomationError : public framework::CException {
public:
    CAutomationError(HRESULT code, std::wstring description);

    // Builds the error from what Invoke gave back; frees and clears the exception info's strings.
    static CAutomationError FromInvoke(HRESULT hr, EXCEPINFO& info, const wchar_t* member);
};

}  // namespace sheet
