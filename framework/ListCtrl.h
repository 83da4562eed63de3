// A list view in report view; with LVS_EX_CHECKBOXES each item carries a check box (state image 1
// unchecked, 2 checked).
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

namespace framework {

class CListCtrl : public CWnd {
public:
    // Sets the extended styles under mask (0: all of them); returns the previous styles.
    DWORD SetExtendedStyle(DWORD styles, DWORD mask = 0) const noexcept;
    DWORD GetExtendedStyle() const noexcept;

    // The index of the new column, or -1.
    int InsertColumn(int column, const std::wstring& heading, int format = LVCFMT_LEFT, int width = -1) const noexcept;
    bool SetColumnWidth(int column, int width) const noexcept;

    // The index of the new item, or -1.
    int InsertItem(int item, const std::wstring& text) const noexcept;
    bool SetItemText(int item, int subItem, const std::wstring& text) const noexcept;
    std::wstring GetItemText(int item, int subItem) const;
    int GetItemCount() const noexcept { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    bool DeleteAllItems() const noexcept { return SendMessage(LVM_DELETEALLITEMS) != FALSE; }

    UINT GetItemState(int item, UINT mask) const noexcept;
    bool SetItemState(int item, UINT state, UINT mask) const noexcept;
    bool GetCheck(int item) const noexcept;
    bool SetCheck(int item, bool checked) const noexcept;
};

}  // namespace framework
