#include "framework/ListCtrl.h"

namespace framework {

DWORD CListCtrl::SetExtendedStyle(DWORD styles, DWORD mask) const noexcept {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, static_cast<LPARAM>(styles)));
}

DWORD CListCtrl::GetExtendedStyle() const noexcept {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

int CListCtrl::InsertColumn(int column, const std::wstring& heading, int format, int width) const noexcept {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    col.fmt = format;
    col.pszText = const_cast<wchar_t*>(heading.c_str());
    col.iSubItem = column;
    if (width >= 0) {
        col.mask |= LVCF_WIDTH;
        col.cx = width;
    }
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col)));
}

bool CListCtrl::SetColumnWidth(int column, int width) const noexcept {
    return SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != FALSE;
}

int CListCtrl::InsertItem(int item, const std::wstring& text) const noexcept {
    LVITEMW lvItem{};
    lvItem.mask = LVIF_TEXT;
    lvItem.iItem = item;
    lvItem.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvItem)));
}

bool CListCtrl::SetItemText(int item, int subItem, const std::wstring& text) const noexcept {
    LVITEMW lvItem{};
    lvItem.iSubItem = subItem;
    lvItem.pszText = const_cast<wchar_t*>(text.c_str());
    return SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvItem)) != FALSE;
}

std::wstring CListCtrl::GetItemText(int item, int subItem) const {
    // The control copies at most the buffer's size and says how much it copied; grow until it fits.
    std::wstring buffer(64, L'\0');
    for (;;) {
        LVITEMW lvItem{};
        lvItem.iSubItem = subItem;
        lvItem.pszText = buffer.data();
        lvItem.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<size_t>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvItem)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

UINT CListCtrl::GetItemState(int item, UINT mask) const noexcept {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), static_cast<LPARAM>(mask)));
}

bool CListCtrl::SetItemState(int item, UINT state, UINT mask) const noexcept {
    LVITEMW lvItem{};
    lvItem.state = state;
    lvItem.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvItem)) != FALSE;
}

bool CListCtrl::GetCheck(int item) const noexcept {
    return ((GetItemState(item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

bool CListCtrl::SetCheck(int item, bool checked) const noexcept {
    return SetItemState(item, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

}  // namespace framework
