// The pictures of a dialog (its SS_BITMAP statics) at the scale the dialog is drawn at. A picture's control id
// is the id of its bitmap at 100%; the bitmap for the dialog's scale takes its place and lives as long as this.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/Bitmap.h"

namespace framework {

class CScaledPictures {
public:
    // At 100% the template's own bitmaps stay; a picture whose scaled bitmap is missing keeps its own, too.
    void Apply(HWND dialog);

private:
    std::vector<CBitmap> m_bitmaps;
};

}  // namespace framework
