#include "host/excel/FaceClipboard.h"

namespace host {

namespace {

class OpenedClipboard {
public:
    OpenedClipboard() : m_open(OpenClipboard(nullptr) != FALSE) {}
    ~OpenedClipboard() {
        if (m_open) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

// Hands a block to the clipboard, which owns it from then on; frees it when the clipboard refuses.
bool SetBlock(UINT format, HGLOBAL block) {
    if (!block) return false;
    if (SetClipboardData(format, block)) return true;
    GlobalFree(block);
    return false;
}

FaceImage ImageInFormat(UINT format) {
    HANDLE data = format ? GetClipboardData(format) : nullptr;
    const void* bytes = data ? GlobalLock(data) : nullptr;
    if (!bytes) return {};
    FaceImage image = FaceImageOfPackedDib(bytes, GlobalSize(data));
    GlobalUnlock(data);
    return image;
}

// A mask that lets the whole picture show.
FaceImage OpaqueMask(const FaceImage& picture) {
    FaceImage mask{picture.width, picture.height, {}};
    mask.pixels.assign(picture.pixels.size(), RGB(0, 0, 0));
    return mask;
}

}  // namespace

bool CopyFaceToClipboard(const ButtonFace& face) {
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard()) return false;
    const FaceImage& mask = face.mask.Empty() ? OpaqueMask(face.picture) : face.mask;
    return SetBlock(RegisterClipboardFormatW(kFaceFormatName), PackedDibOf(face.picture, 24)) &&
           SetBlock(RegisterClipboardFormatW(kMaskFormatName), PackedDibOf(mask, 1)) &&
           SetBlock(CF_DIB, PackedDibOf(face.picture, 24));
}

std::optional<ButtonFace> PasteFaceFromClipboard() {
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    ButtonFace face;
    const UINT faceFormat = RegisterClipboardFormatW(kFaceFormatName);
    if (IsClipboardFormatAvailable(faceFormat)) {
        face.picture = ImageInFormat(faceFormat);
        face.mask = ImageInFormat(RegisterClipboardFormatW(kMaskFormatName));
        if (face.mask.width != face.picture.width || face.mask.height != face.picture.height) face.mask = {};
    } else if (IsClipboardFormatAvailable(CF_DIB)) {
        face.picture = ImageInFormat(CF_DIB);
    }
    if (face.picture.Empty()) return std::nullopt;
    return face;
}

}  // namespace host
