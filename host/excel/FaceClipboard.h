// How Office moves a command-bar button's face through the clipboard: CopyFace puts the picture and the
// mask under the two clipboard formats Office registers for them (and the picture as CF_DIB for other
// programs); PasteFace takes a face in those formats, or any bitmap with no mask.
#pragma once

#include "host/excel/FaceImage.h"

#include <optional>

namespace host {

// The names under which Office registers its two face formats.
inline constexpr const wchar_t* kFaceFormatName = L"Toolbar Button Face";
inline constexpr const wchar_t* kMaskFormatName = L"Toolbar Button Mask";

// Replaces the clipboard's contents with the face; false when the clipboard cannot be had.
bool CopyFaceToClipboard(const ButtonFace& face);
// The face on the clipboard; nothing when it holds no bitmap or cannot be opened.
std::optional<ButtonFace> PasteFaceFromClipboard();

}  // namespace host
