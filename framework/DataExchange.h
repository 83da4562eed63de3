// Data exchange between a dialog's controls and its members; the dialog's DoDataExchange lists the bindings.
#pragma once

#include <windows.h>

namespace framework {

class CWnd;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) noexcept
        : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND m_hDialog;
    // True when the controls' values go into the members, false when the members fill the controls.
    bool m_bSaveAndValidate;
};

// Binds control to the dialog's control id (subclassing it, so the wrapper also receives its messages).
// A missing control is a fault in the dialog and throws framework::CException.
void DDX_Control(CDataExchange* pDX, int controlId, CWnd& control);

}  // namespace framework
