#include "framework/PropertySheet.h"

#include "framework/Dpi.h"
#include "framework/ModuleState.h"
#include "framework/PropertyPage.h"
#include "framework/WindowProperty.h"

#include <algorithm>

namespace framework {

namespace {

const wchar_t* SheetProperty() {
    static const std::wstring name = ModuleWindowPropertyName(L"Sheet");
    return name.c_str();
}

// The sheet whose PropertySheet call is in progress on this thread: the creation callback carries no
// context of its own.
thread_local CPropertySheet* t_creating = nullptr;

// The size a dialog template asks for, in dialog units; zero when it cannot be read.
SIZE TemplateSize(HINSTANCE resources, UINT templateId) noexcept {
    HRSRC found = ::FindResourceW(resources, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(resources, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
    if (!words || ::SizeofResource(resources, found) < 26) return SIZE{0, 0};
    // An extended template (version 1, signature 0xFFFF) has its size after 22 bytes, a plain one after 14.
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    const auto* size = reinterpret_cast<const short*>(words + (extended ? 11 : 7));
    return SIZE{size[0], size[1]};
}

bool IsPageWindow(HWND child) noexcept {
    wchar_t kind[16] = {};
    return ::GetClassNameW(child, kind, 16) && ::lstrcmpW(kind, L"#32770") == 0;
}

RECT RectInParent(HWND window) noexcept {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void InitCommonControlsOnce() noexcept {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

}  // namespace

CPropertySheet::CPropertySheet(std::wstring caption, HWND owner) : m_caption(std::move(caption)), m_owner(owner) {}

CPropertySheet::~CPropertySheet() {
    Destroy();
    for (CPropertyPage* page : m_pages) {
        if (page->m_sheet == this) page->m_sheet = nullptr;
    }
}

bool CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page || GetPageIndex(page) >= 0) return false;
    if (m_hWnd) {
        const HINSTANCE resources = CurrentResourceHandle();
        if (!::FindResourceW(resources, MAKEINTRESOURCEW(page->GetTemplateId()), RT_DIALOG)) return false;
        PROPSHEETPAGEW_V1 header;
        page->FillPageHeader(header, resources);
        const HPROPSHEETPAGE handle = ::CreatePropertySheetPageW(reinterpret_cast<LPCPROPSHEETPAGEW>(&header));
        if (!handle) return false;
        // Once the window accepts the handle it owns it; until then it is ours to destroy.
        if (!::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
            ::DestroyPropertySheetPage(handle);
            return false;
        }
    }
    m_pages.push_back(page);
    page->m_sheet = this;
    return true;
}

void CPropertySheet::RemovePage(int index) {
    if (index < 0 || index >= GetPageCount()) return;
    if (m_hWnd) ::SendMessageW(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
    CPropertyPage* page = m_pages[static_cast<size_t>(index)];
    m_pages.erase(m_pages.begin() + index);
    if (page->m_sheet == this) page->m_sheet = nullptr;
}

void CPropertySheet::RemovePage(CPropertyPage* page) { RemovePage(GetPageIndex(page)); }

CPropertyPage* CPropertySheet::GetPage(int index) const noexcept {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const noexcept {
    const auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const noexcept {
    if (!m_hWnd) return nullptr;
    const auto current = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (CPropertyPage* page : m_pages) {
        if (current && page->GetSafeHwnd() == current) return page;
    }
    return nullptr;
}

bool CPropertySheet::SetActivePage(int index) noexcept {
    return m_hWnd && ::SendMessageW(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != FALSE;
}

INT_PTR CPropertySheet::DoModal() {
    if (m_running || m_pages.empty()) return -1;
    const HINSTANCE resources = CurrentResourceHandle();
    // The system drops pages whose template it cannot find and shows what is left; a wizard with a page
    // missing would mislead the user, so it does not start at all.
    for (CPropertyPage* page : m_pages) {
        if (!::FindResourceW(resources, MAKEINTRESOURCEW(page->GetTemplateId()), RT_DIALOG)) return -1;
    }
    InitCommonControlsOnce();

    // Version 1 page headers: the oldest system library reads them, and with PSH_PROPSHEETPAGE the system
    // creates and destroys the page handles itself, so no handle of ours can leak.
    std::vector<PROPSHEETPAGEW_V1> headers(m_pages.size());
    for (size_t i = 0; i < m_pages.size(); ++i) m_pages[i]->FillPageHeader(headers[i], resources);

    PROPSHEETHEADERW header{};
    header.dwSize = PROPSHEETHEADERW_V1_SIZE;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | (m_wizard ? PSH_WIZARD : PSH_NOAPPLYNOW);
    header.hwndParent = m_owner;
    header.hInstance = resources;
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(headers.size());
    header.nStartPage = 0;
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEW>(headers.data());
    header.pfnCallback = &SheetCallback;

    m_running = true;
    m_endRequested = false;
    m_endCode = 0;
    m_result = IDCANCEL;

    CPropertySheet* const outerCreation = t_creating;
    t_creating = this;
    INT_PTR created = 0;
    {
        // The sheet and its pages are drawn at the scale of the monitor they stand on; the thread goes back to
        // Office's awareness before anything of Excel's is called.
        ScopedPerMonitorDpiAwareness perMonitor;
        created = ::PropertySheetW(&header);
    }
    t_creating = outerCreation;

    const HWND sheet = reinterpret_cast<HWND>(created);
    if (created == 0 || created == -1 || !::IsWindow(sheet)) {
        Destroy();
        m_running = false;
        return -1;
    }
    Bind(sheet);

    const bool disableOwner = m_owner && ::IsWindowEnabled(m_owner);
    if (disableOwner) ::EnableWindow(m_owner, FALSE);
    RunModalLoop();
    // The owner comes back before the sheet goes, so that it, not some other window, is activated.
    if (disableOwner) ::EnableWindow(m_owner, TRUE);
    Destroy();
    m_running = false;
    return m_endRequested ? m_endCode : m_result;
}

void CPropertySheet::EndDialog(int code) noexcept {
    if (!m_running) return;
    m_endRequested = true;
    m_endCode = code;
    if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if nothing else is queued
}

void CPropertySheet::SetWizardButtons(DWORD flags) const noexcept {
    if (m_hWnd) ::PostMessageW(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void CPropertySheet::PressButton(int button) const noexcept {
    if (m_hWnd) ::SendMessageW(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

void CPropertySheet::FitPage(const CPropertyPage& page) noexcept {
    const HWND pageWindow = page.GetSafeHwnd();
    if (!m_hWnd || !pageWindow) return;
    const SIZE units = TemplateSize(CurrentResourceHandle(), page.GetTemplateId());
    RECT wanted{0, 0, units.cx, units.cy};
    if (units.cx <= 0 || !::MapDialogRect(pageWindow, &wanted)) return;
    // The room is that of the largest page: one the sheet makes later comes at the size it first measured.
    RECT area = RectInParent(pageWindow);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPageWindow(child)) continue;
        const RECT other = RectInParent(child);
        area.right = std::max(area.right, area.left + (other.right - other.left));
        area.bottom = std::max(area.bottom, area.top + (other.bottom - other.top));
    }
    const int dx = std::max(0L, wanted.right - (area.right - area.left));
    const int dy = std::max(0L, wanted.bottom - (area.bottom - area.top));
    if (dx > 0 || dy > 0) {
        RECT sheet;
        ::GetWindowRect(m_hWnd, &sheet);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, sheet.right - sheet.left + dx, sheet.bottom - sheet.top + dy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // What stands below the pages moves down: the buttons, which stand at the right, move right as well, and
    // the line over them, which spans the sheet, widens. Every page takes the whole room.
    const LONG half = (area.right - area.left) / 2;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect = RectInParent(child);
        if (IsPageWindow(child)) {
            rect.right = rect.left + (area.right - area.left) + dx;
            rect.bottom = rect.top + (area.bottom - area.top) + dy;
        } else if (rect.top >= area.bottom && (dx > 0 || dy > 0)) {
            const bool spans = rect.right - rect.left > half;
            ::OffsetRect(&rect, spans ? 0 : dx, dy);
            if (spans) rect.right += dx;
        } else {
            continue;
        }
        ::SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

CPropertySheet* CPropertySheet::FromHandle(HWND sheet) noexcept {
    return sheet ? static_cast<CPropertySheet*>(::GetPropW(sheet, SheetProperty())) : nullptr;
}

int CALLBACK CPropertySheet::SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && t_creating && !t_creating->m_hWnd) t_creating->Bind(sheet);
    return 0;
}

void CPropertySheet::Bind(HWND sheet) noexcept {
    if (m_hWnd == sheet) return;
    m_hWnd = sheet;
    ::SetPropW(sheet, SheetProperty(), this);
}

bool CPropertySheet::IsCurrentPageShown() const noexcept {
    return ::IsWindow(m_hWnd) && ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

void CPropertySheet::RunModalLoop() {
    // Finish and Cancel leave a modeless sheet without a current page; that, a page's EndDialog or the
    // window's end stops the loop.
    MSG message;
    while (!m_endRequested && IsCurrentPageShown()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Someone is quitting the thread's loop: leave, and let the next loop out see the request too.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message))) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

void CPropertySheet::Destroy() noexcept {
    if (!m_hWnd) return;
    const HWND sheet = m_hWnd;
    m_hWnd = nullptr;
    if (::IsWindow(sheet)) {
        ::RemovePropW(sheet, SheetProperty());
        ::DestroyWindow(sheet);
    }
}

}  // namespace framework
