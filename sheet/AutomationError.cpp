#include "sheet/AutomationError.h"

#include <cstdio>
#include <utility>

#include "framework/Bstr.h"
#include "framework/Trace.h"

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
    : framework::CException(std::move(description), code) {}

CAutomationError CAutomationError::FromInvoke(HRESULT hr, EXCEPINFO& info, const wchar_t* member) {
    if (hr == DISP_E_EXCEPTION && info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    // The strings of the exception info are the caller's to free, whatever the call answered.
    const framework::Bstr description = framework::Bstr::Adopt(std::exchange(info.bstrDescription, nullptr));
    const framework::Bstr source = framework::Bstr::Adopt(std::exchange(info.bstrSource, nullptr));
    const framework::Bstr helpFile = framework::Bstr::Adopt(std::exchange(info.bstrHelpFile, nullptr));
    const HRESULT code = hr == DISP_E_EXCEPTION && FAILED(info.scode) ? info.scode : hr;
    info = EXCEPINFO{};
    std::wstring text = hr == DISP_E_EXCEPTION ? description.ToWString() : std::wstring();
    if (text.empty()) text = CodeText(code, member);
    if (framework::TraceOn()) {
        wchar_t hex[16];
        wsprintfW(hex, L"%08lX", static_cast<unsigned long>(code));
        framework::Trace(std::wstring(L"automation error in ") + (member ? member : L"a call") + L": 0x" + hex +
                         L" \"" + text + L"\"");
    }
    return CAutomationError(code, std::move(text));
}

}  // namespace sheet
