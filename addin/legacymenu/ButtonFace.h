// A command-bar button's picture, from a face file and the mask file beside it ("remdup.bmp" and
// "remdupmask.bmp"): Excel 2002 and later take them as Picture and Mask, Excel 2000 only through the
// clipboard.
#pragma once

#include <string>

#include "sheet/CommandBars.h"

enum class FaceRoad { PictureAndMask, Clipboard };

// The mask file of a face file: ".bmp" at the end becomes "mask.bmp".
std::wstring MaskPathOf(const std::wstring& facePath);

// A face or mask file that cannot be read leaves the button as it is; Excel's refusals are thrown.
// The clipboard road overwrites the clipboard: the caller saves the user's contents around it.
void SetButtonFace(const std::wstring& facePath, FaceRoad road, const sheet::CommandBarButton& button);
