// A property page made from a dialog template of the current resource module. The sheet's notifications
// become virtual functions; commands and control notifications are routed to the page and its controls.
#pragma once

#include "framework/DataExchange.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace framework {

class CPropertySheet;

class CPropertyPage {
public:
    explicit CPropertyPage(UINT templateId) noexcept : m_templateId(templateId) {}
    virtual ~CPropertyPage();

    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    UINT GetTemplateId() const noexcept { return m_templateId; }
    // Null until the sheet creates the page's window, and again after the window is gone.
    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    CPropertySheet* GetParentSheet() const noexcept { return m_sheet; }
    HWND GetParentSheetHwnd() const noexcept { return m_hWnd ? ::GetParent(m_hWnd) : nullptr; }

    // Posts PSM_SETWIZBUTTONS (PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH) to the sheet.
    void SetWizardButtons(DWORD flags) const noexcept;

    HWND GetDlgItem(int id) const noexcept { return ::GetDlgItem(m_hWnd, id); }
    UINT IsDlgButtonChecked(int id) const noexcept { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckDlgButton(int id, UINT state) const noexcept { ::CheckDlgButton(m_hWnd, id, state); }
    void CheckRadioButton(int firstId, int lastId, int checkId) const noexcept {
        ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
    }
    std::wstring GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::wstring& text) const noexcept {
        ::SetDlgItemTextW(m_hWnd, id, text.c_str());
    }
    void EnableDlgItem(int id, bool enable) const noexcept { ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE); }

    // Runs DoDataExchange; false when the page has no window.
    bool UpdateData(bool saveAndValidate = true);

    // The framework page of this module behind a page window, or null.
    static CPropertyPage* FromHandle(HWND page) noexcept;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Once per page window, before it is first shown; the default runs the data exchange.
    // TRUE: the system sets the focus.
    virtual BOOL OnInitDialog();
    // Each time the page becomes current. FALSE skips the page.
    virtual BOOL OnSetActive();
    // When the page stops being current; FALSE keeps it. The default saves the data exchange.
    virtual BOOL OnKillActive();
    // 0 goes to the previous page, -1 stays, a dialog id jumps there.
    virtual LRESULT OnWizardBack();
    // 0 goes to the next page, -1 stays, a dialog id jumps there.
    virtual LRESULT OnWizardNext();
    // TRUE lets the sheet close, FALSE keeps it open. The default saves the data exchange.
    virtual BOOL OnWizardFinish();
    // TRUE lets the sheet be cancelled.
    virtual BOOL OnQueryCancel();
    // The sheet is being cancelled.
    virtual void OnCancel();

    // A WM_COMMAND that the control itself did not handle; the default consults the command map.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // A WM_NOTIFY from a control that the control itself did not handle; result is the reply.
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    // Any message, before the framework's routing; true with result when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The page's command map: MapCommand(2018, BN_CLICKED, &CDlgColumns::OnToggleCheckAll).
    template <class T>
    void MapCommand(UINT id, UINT code, void (T::*handler)()) {
        static_assert(std::is_base_of_v<CPropertyPage, T>, "handlers are members of the page");
        T* self = static_cast<T*>(this);
        m_commands.push_back(CommandEntry{id, code, [self, handler] { (self->*handler)(); }});
    }
    template <class T>
    void MapClick(UINT id, void (T::*handler)()) {
        MapCommand(id, BN_CLICKED, handler);
    }

private:
    friend class CPropertySheet;

    struct CommandEntry {
        UINT id;
        UINT code;
        std::function<void()> handler;
    };

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Reply(UINT message, LRESULT result) const noexcept;
    bool RouteCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR RouteNotify(WPARAM wParam, LPARAM lParam);
    bool HandleSheetNotification(UINT code, LRESULT& result);
    INT_PTR ReflectOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam);
    void FillPageHeader(PROPSHEETPAGEW_V1& header, HINSTANCE resources) noexcept;

    UINT m_templateId;
    HWND m_hWnd = nullptr;
    CPropertySheet* m_sheet = nullptr;
    std::vector<CommandEntry> m_commands;
};

}  // namespace framework
