// A push button, check box or radio button.
#pragma once

#include "framework/Wnd.h"

namespace framework {

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const noexcept { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const noexcept { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    // The button shows the bitmap but does not own it; returns the previous one.
    HBITMAP SetBitmap(HBITMAP bitmap) const noexcept {
        return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const noexcept { return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP)); }
    void Click() const noexcept { SendMessage(BM_CLICK); }
};

}  // namespace framework
