#include "addin/legacymenu/ButtonFace.h"

#include <ole2.h>
#include <olectl.h>

#include "addin/legacymenu/ClipboardFace.h"
#include "framework/Bitmap.h"
#include "framework/ComPtr.h"

namespace {

constexpr std::wstring_view kFaceSuffix = L".bmp";
constexpr std::wstring_view kMaskSuffix = L"mask.bmp";

// A picture over the bitmap that does not own it: the bitmap's owner outlives the put.
framework::ComPtr<IDispatch> PictureOf(const framework::CBitmap& bitmap) {
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap.GetSafeHandle();
    framework::ComPtr<IDispatch> picture;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE,
                             reinterpret_cast<void**>(picture.ReleaseAndGetAddressOf()));
    return picture;
}

void SetPictureAndMask(const framework::CBitmap& face, const framework::CBitmap& mask,
                       const sheet::CommandBarButton& button) {
    framework::ComPtr<IDispatch> facePicture = PictureOf(face);
    framework::ComPtr<IDispatch> maskPicture = PictureOf(mask);
    if (!facePicture || !maskPicture) return;
    button.SetPicture(facePicture.Get());
    button.SetMask(maskPicture.Get());
}

}  // namespace

std::wstring MaskPathOf(const std::wstring& facePath) {
    std::wstring path = facePath;
    if (path.size() >= kFaceSuffix.size() &&
        path.compare(path.size() - kFaceSuffix.size(), kFaceSuffix.size(), kFaceSuffix) == 0)
        path.replace(path.size() - kFaceSuffix.size(), kFaceSuffix.size(), kMaskSuffix);
    return path;
}

void SetButtonFace(const std::wstring& facePath, FaceRoad road, const sheet::CommandBarButton& button) {
    if (road == FaceRoad::Clipboard) {
        PasteFaceThroughClipboard(facePath, MaskPathOf(facePath), button);
        return;
    }
    framework::CBitmap face;
    framework::CBitmap mask;
    if (!face.LoadFromFile(facePath) || !mask.LoadFromFile(MaskPathOf(facePath))) return;
    SetPictureAndMask(face, mask, button);
}
