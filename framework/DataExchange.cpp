#include "framework/DataExchange.h"

#include "framework/Exception.h"
#include "framework/Wnd.h"

#include <string>

namespace framework {

void DDX_Control(CDataExchange* pDX, int controlId, CWnd& control) {
    const HWND item = ::GetDlgItem(pDX->m_hDialog, controlId);
    if (!item) {
        throw CException(L"The dialog has no control with the id " + std::to_wstring(controlId) + L".");
    }
    if (control.GetSafeHwnd() == item) return;
    if (!control.SubclassWindow(item)) {
        throw CException(L"The control with the id " + std::to_wstring(controlId) +
                         L" is already bound to another object.");
    }
}

}  // namespace framework
