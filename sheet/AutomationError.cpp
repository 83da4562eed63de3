#include "sheet/AutomationError.h"

#include <cstdio>

namespace sheet {

namespace {

std::wstring CodeText(HRESULT code, const wchar_t* member) {
    wchar_t text[160];
    std::swprintf(text, 160, L"The call to %ls failed (error 0x%08lX).", member ? member : L"Excel",
                  static_cast<unsigned long>(code));
    return text;
}

}  // namespace

CAutomationError::CAutomationError(HRESULT code, std::wstring description)
    : framework::CException(std::move(description)), m_code(code) {}

CAutomationError CAutomationError::FromInvoke(HRESULT hr, EXCEPINFO& info, const wchar_t* member) {
    if (hr != DISP_E_EXCEPTION) return CAutomationError(hr, CodeText(hr, member));
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    HRESULT code = info.scode ? info.scode : hr;
    std::wstring description;
    if (info.bstrDescription) description.assign(info.bstrDescription, SysStringLen(info.bstrDescription));
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
    if (description.empty()) description = CodeText(code, member);
    return CAutomationError(code, std::move(description));
}

}  // namespace sheet
