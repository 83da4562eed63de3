// A combo box. An owner-drawn one paints its items in DrawItem, which the dialog reflects to it.
#pragma once

#include "framework/Wnd.h"

namespace framework {

class CComboBox : public CWnd {
public:
    // The index of the new item (its sorted place in a sorted list), CB_ERR or CB_ERRSPACE.
    int AddString(const std::wstring& text) const noexcept;
    int InsertString(int index, const std::wstring& text) const noexcept;
    int DeleteString(int index) const noexcept {
        return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() const noexcept { SendMessage(CB_RESETCONTENT); }
    int GetCount() const noexcept { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    // CB_ERR when no item is current.
    int GetCurSel() const noexcept { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const noexcept {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) const noexcept;
    DWORD_PTR GetItemData(int index) const noexcept;
    std::wstring GetLBText(int index) const;

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    // Owner-drawn items: paint one item (list or selection field). The default draws nothing.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    // Owner-drawn items of variable height; the default keeps the height the system proposes.
    virtual void MeasureItem(MEASUREITEMSTRUCT& item);
};

}  // namespace framework
