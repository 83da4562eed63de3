#include "framework/PropertyPage.h"

#include "framework/Barrier.h"
#include "framework/PropertySheet.h"
#include "framework/WindowProperty.h"
#include "framework/Wnd.h"

namespace framework {

CPropertyPage::~CPropertyPage() {
    if (m_sheet) m_sheet->RemovePage(this);
}

void CPropertyPage::SetWizardButtons(DWORD flags) const noexcept {
    if (const HWND sheet = GetParentSheetHwnd())
        ::PostMessageW(sheet, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

std::wstring CPropertyPage::GetDlgItemText(int id) const {
    CWnd item;
    item.Attach(GetDlgItem(id));
    std::wstring text = item.GetWindowText();
    item.Detach();
    return text;
}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
    if (!m_hWnd) return false;
    CDataExchange exchange(m_hWnd, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

CPropertyPage* CPropertyPage::FromHandle(HWND page) noexcept {
    if (!page || ::GetWindowLongPtrW(page, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc)) return nullptr;
    return reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrW(page, DWLP_USER));
}

void CPropertyPage::DoDataExchange(CDataExchange*) {}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return UpdateData(true) ? TRUE : FALSE; }

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return UpdateData(true) ? TRUE : FALSE; }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::OnCancel() {}

bool CPropertyPage::OnCommand(UINT id, UINT code, HWND) {
    for (const CommandEntry& entry : m_commands) {
        if (entry.id == id && entry.code == code) {
            entry.handler();
            return true;
        }
    }
    return false;
}

bool CPropertyPage::OnNotify(NMHDR&, LRESULT&) { return false; }

bool CPropertyPage::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void CPropertyPage::FillPageHeader(PROPSHEETPAGEW_V1& header, HINSTANCE resources) noexcept {
    header = PROPSHEETPAGEW_V1{};
    header.dwSize = sizeof(PROPSHEETPAGEW_V1);
    header.dwFlags = PSP_DEFAULT;
    header.hInstance = resources;
    header.pszTemplate = MAKEINTRESOURCEW(m_templateId);
    header.pfnDlgProc = &DialogProc;
    header.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CPropertyPage* page = nullptr;
    if (message == WM_INITDIALOG) {
        page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->m_hWnd = window;
        ::SetPropW(window, kPageTemplateProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(page->m_templateId)));
    } else {
        page = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!page) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT, WM_MEASUREITEM) get the defaults

    INT_PTR result = FALSE;
    MessageBarrier(window, [&] { result = page->HandleMessage(message, wParam, lParam); });

    if (message == WM_NCDESTROY) {
        ::RemovePropW(window, kPageTemplateProperty);
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        page->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CPropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT custom = 0;
    if (OnMessage(message, wParam, lParam, custom)) return Reply(message, custom);
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return RouteCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_NOTIFY: return RouteNotify(wParam, lParam);
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return ReflectOwnerDraw(message, wParam, lParam);
    default: return FALSE;
    }
}

INT_PTR CPropertyPage::Reply(UINT message, LRESULT result) const noexcept {
    switch (message) {
    // These few return their answer directly from the dialog procedure.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON: return static_cast<INT_PTR>(result);
    default: ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result); return TRUE;
    }
}

bool CPropertyPage::RouteCommand(WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (CWnd* wrapper = CWnd::FromHandlePermanent(control)) {
        LRESULT ignored = 0;
        if (wrapper->OnChildNotify(WM_COMMAND, wParam, lParam, ignored)) return true;
    }
    return OnCommand(LOWORD(wParam), HIWORD(wParam), control);
}

INT_PTR CPropertyPage::RouteNotify(WPARAM wParam, LPARAM lParam) {
    NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
    LRESULT result = 0;
    // PSN_ codes count down from PSN_FIRST.
    const bool fromSheet =
        header.hwndFrom == ::GetParent(m_hWnd) && header.code <= PSN_FIRST && header.code >= PSN_LAST;
    if (fromSheet) {
        if (!HandleSheetNotification(header.code, result)) return FALSE;
        return Reply(WM_NOTIFY, result);
    }
    if (CWnd* wrapper = CWnd::FromHandlePermanent(header.hwndFrom)) {
        if (wrapper->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return Reply(WM_NOTIFY, result);
    }
    if (OnNotify(header, result)) return Reply(WM_NOTIFY, result);
    return FALSE;
}

bool CPropertyPage::HandleSheetNotification(UINT code, LRESULT& result) {
    // Each handler has its own barrier so that a failure gives the answer that keeps the user in control:
    // the page shows, the wizard stays where it is, and Cancel always works.
    switch (code) {
    case PSN_SETACTIVE: {
        if (m_sheet) m_sheet->FitPage(*this);
        BOOL show = TRUE;
        MessageBarrier(m_hWnd, [&] { show = OnSetActive(); });
        result = show ? 0 : -1;
        return true;
    }
    case PSN_KILLACTIVE: {
        BOOL leave = FALSE;
        MessageBarrier(m_hWnd, [&] { leave = OnKillActive(); });
        result = leave ? FALSE : TRUE;
        return true;
    }
    case PSN_WIZBACK:
        result = -1;
        MessageBarrier(m_hWnd, [&] { result = OnWizardBack(); });
        return true;
    case PSN_WIZNEXT:
        result = -1;
        MessageBarrier(m_hWnd, [&] { result = OnWizardNext(); });
        return true;
    case PSN_WIZFINISH: {
        BOOL finish = FALSE;
        MessageBarrier(m_hWnd, [&] { finish = OnWizardFinish(); });
        if (finish && m_sheet) m_sheet->OnPageAccepted(ID_WIZFINISH);
        result = finish ? FALSE : TRUE;
        return true;
    }
    case PSN_APPLY:
        if (m_sheet) m_sheet->OnPageAccepted(IDOK);
        result = PSNRET_NOERROR;
        return true;
    case PSN_QUERYCANCEL: {
        BOOL cancel = TRUE;
        MessageBarrier(m_hWnd, [&] { cancel = OnQueryCancel(); });
        result = cancel ? FALSE : TRUE;
        return true;
    }
    case PSN_RESET:
        MessageBarrier(m_hWnd, [&] { OnCancel(); });
        result = 0;
        return true;
    default: return false;
    }
}

INT_PTR CPropertyPage::ReflectOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = nullptr;
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU) control = item.hwndItem;
    } else {
        const auto& item = *reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU) control = GetDlgItem(static_cast<int>(item.CtlID));
    }
    CWnd* wrapper = CWnd::FromHandlePermanent(control);
    LRESULT result = 0;
    if (wrapper && wrapper->OnChildNotify(message, wParam, lParam, result)) return Reply(message, result);
    return FALSE;
}

}  // namespace framework
