#include "framework/ScaledPictures.h"

#include "framework/Dpi.h"

namespace framework {

namespace {

bool Fits(const CBitmap& bitmap, SIZE room) {
    BITMAP info{};
    return bitmap.GetBitmap(info) && info.bmWidth <= room.cx && info.bmHeight <= room.cy;
}

}  // namespace

CBitmap LoadBitmapToFit(int idAt100, UINT dpi, SIZE room) {
    // The font's sizes do not grow quite in step with the scale: a smaller scale's bitmap may be the one that fits.
    CBitmap bitmap;
    for (UINT scale = dpi;; scale = ImageScaleBelow(scale)) {
        const int id = ImageIdForDpi(idAt100, scale);
        if (bitmap.LoadBitmap(static_cast<UINT>(id)) && (id == idAt100 || Fits(bitmap, room))) return bitmap;
        bitmap.DeleteObject();
        if (id == idAt100) return bitmap;
    }
}

void CScaledPictures::Apply(HWND dialog) {
    const UINT dpi = DpiOfWindow(dialog);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        const int id = ::GetDlgCtrlID(child);
        RECT place;
        ::GetClientRect(child, &place);
        CBitmap bitmap = LoadBitmapToFit(id, dpi, SIZE{place.right, place.bottom});
        if (ImageIdForDpi(id, dpi) == id || !bitmap.GetSafeHandle()) continue;
        // The template's bitmap was loaded by the control, which frees it when it goes.
        ::SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.GetSafeHandle()));
        m_bitmaps.push_back(std::move(bitmap));
    }
}

}  // namespace framework
