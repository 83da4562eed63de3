// A property sheet, in wizard mode for the add-in's tools. DoModal runs the sheet modeless inside a modal
// loop of its own, so that a page can end it with an end code of its choosing.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace framework {

class CPropertyPage;

// The wizard's buttons, as control ids of the sheet and as DoModal's result after Finish.
constexpr int ID_WIZBACK = 0x3023;
constexpr int ID_WIZNEXT = 0x3024;
constexpr int ID_WIZFINISH = 0x3025;

class CPropertySheet {
public:
    // owner (Excel's main window, or null) is disabled while the sheet runs.
    explicit CPropertySheet(std::wstring caption = std::wstring(), HWND owner = nullptr);
    virtual ~CPropertySheet();

    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // The sheet does not own its page objects; they must outlive it. While the sheet runs, the page is also
    // added to the window (false if that fails).
    bool AddPage(CPropertyPage* page);
    // While the sheet runs, the page's window goes with it; added again, the page starts afresh.
    void RemovePage(int index);
    void RemovePage(CPropertyPage* page);
    int GetPageCount() const noexcept { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const noexcept;
    int GetPageIndex(const CPropertyPage* page) const noexcept;
    // The current page while the sheet runs, else null.
    CPropertyPage* GetActivePage() const noexcept;
    bool SetActivePage(int index) noexcept;

    // PSH_WIZARD: Back, Next and Finish instead of OK, Cancel and Apply.
    void SetWizardMode() noexcept { m_wizard = true; }
    bool IsWizardMode() const noexcept { return m_wizard; }
    void SetOwner(HWND owner) noexcept { m_owner = owner; }
    HWND GetOwner() const noexcept { return m_owner; }
    // The sheet window while DoModal runs, else null.
    HWND GetSafeHwnd() const noexcept { return m_hWnd; }

    // Builds the page windows afresh and runs the sheet until Finish (ID_WIZFINISH), OK (IDOK), Cancel or
    // closing (IDCANCEL), or a page's EndDialog (its code). -1 when the sheet cannot be shown: no pages,
    // a missing dialog template, already running, or the system refused.
    INT_PTR DoModal();
    // Ends a running DoModal with code, as soon as the current message has been handled.
    void EndDialog(int code) noexcept;

    void SetWizardButtons(DWORD flags) const noexcept;
    // PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_CANCEL, ...
    void PressButton(int button) const noexcept;

    // The running sheet of this module behind a sheet window, or null.
    static CPropertySheet* FromHandle(HWND sheet) noexcept;

private:
    friend class CPropertyPage;

    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);
    void Bind(HWND sheet) noexcept;
    void RunModalLoop();
    void Destroy() noexcept;
    bool IsCurrentPageShown() const noexcept;
    void OnPageAccepted(int result) noexcept { m_result = result; }
    // Grows the sheet, its pages and the place of its buttons until the page has the room its template asks
    // for in the page's own font. The sheet measures its pages in its own font, which at some display scales
    // is smaller than theirs ("MS Shell Dlg" against the pages' "MS Sans Serif"): their right and bottom
    // controls would be cut.
    void FitPage(const CPropertyPage& page) noexcept;

    std::wstring m_caption;
    HWND m_owner;
    bool m_wizard = false;
    std::vector<CPropertyPage*> m_pages;

    HWND m_hWnd = nullptr;
    bool m_running = false;
    bool m_endRequested = false;
    INT_PTR m_endCode = 0;
    INT_PTR m_result = IDCANCEL;
};

}  // namespace framework
