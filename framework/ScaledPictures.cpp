#include "framework/ScaledPictures.h"

#include "framework/Dpi.h"

namespace framework {

void CScaledPictures::Apply(HWND dialog) {
    const UINT dpi = DpiOfWindow(dialog);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        const int id = ::GetDlgCtrlID(child);
        const int scaledId = ImageIdForDpi(id, dpi);
        CBitmap bitmap;
        if (scaledId == id || !bitmap.LoadBitmap(static_cast<UINT>(scaledId))) continue;
        // The template's bitmap was loaded by the control, which frees it when it goes.
        ::SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.GetSafeHandle()));
        m_bitmaps.push_back(std::move(bitmap));
    }
}

}  // namespace framework
