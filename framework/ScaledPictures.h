// Bitmaps at the scale a dialog is drawn at (framework/Dpi.h: one image, four ids). CScaledPictures does it for
// the dialog's pictures (SS_BITMAP | SS_CENTERIMAGE statics, each with the id of its bitmap at 100%): the
// bitmap for the dialog's scale takes the template's place and lives as long as this.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/Bitmap.h"

namespace framework {

// The bitmap drawn for the largest scale up to dpi that fits room, else the one at 100%; nothing held when even
// that is missing.
CBitmap LoadBitmapToFit(int idAt100, UINT dpi, SIZE room);

class CScaledPictures {
public:
    // At 100% the template's own bitmaps stay; a picture whose scaled bitmap is missing keeps its own, too.
    void Apply(HWND dialog);

private:
    std::vector<CBitmap> m_bitmaps;
};

}  // namespace framework
