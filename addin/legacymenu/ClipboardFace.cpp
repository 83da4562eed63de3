#include "addin/legacymenu/ClipboardFace.h"

#include <cstring>

#include "addin/legacymenu/ClipboardHandles.h"
#include "framework/Bitmap.h"
#include "framework/ShowMessage.h"
#include "res/resource.h"

namespace {

constexpr const wchar_t* kDefaultFaceFormat = L"Toolbar Button Face";
constexpr const wchar_t* kDefaultMaskFormat = L"Toolbar Button Mask";
constexpr int kFormatNameLength = 100;
// Office's own formats come after the standard ones, CF_DIBV5 being the last.
constexpr UINT kLastStandardFormat = CF_DIBV5;
// The mask block holds the rows and 60 bytes more, of which the header and two colours take 48.
constexpr size_t kMaskSpareBytes = 60 - sizeof(BITMAPINFOHEADER) - 2 * sizeof(RGBQUAD);

struct FaceFormatNames {
    std::wstring face;
    std::wstring mask;
};

// Found once per loaded module, then used by every later face.
FaceFormatNames& ModuleFaceFormats() {
    static FaceFormatNames names;
    return names;
}

class ScreenDc {
public:
    ScreenDc() noexcept : m_dc(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, m_dc); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const noexcept { return m_dc; }

private:
    HDC m_dc;
};

size_t Stride(LONG width, WORD bitsPerPixel) { return ((static_cast<size_t>(width) * bitsPerPixel + 31) / 32) * 4; }

void Report(const wchar_t* text) { framework::ShowMessage(nullptr, text, MB_OK); }

struct RecordedFormat {
    std::wstring name;
    SIZE_T size = 0;
};

// Puts the probe face on the clipboard, lets Office take it and copy it back in its own formats, and
// names the larger of the first two registered formats the face, the other the mask.
void FindFaceFormats(const sheet::CommandBarButton& button, FaceFormatNames& names) {
    {
        OpenClipboardScope clipboard;
        framework::CBitmap probe;
        if (clipboard.IsOpen() && EmptyClipboard() && probe.LoadBitmap(IDB_FACE_PROBE) &&
            SetClipboardData(CF_BITMAP, probe.GetSafeHandle()))
            probe.Detach();  // the clipboard owns it now
    }
    button.PasteFace();
    button.CopyFace();
    names = {kDefaultFaceFormat, kDefaultMaskFormat};

    OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) return;
    RecordedFormat recorded[2];
    size_t count = 0;
    for (UINT format = EnumClipboardFormats(0); format != 0 && count < 2; format = EnumClipboardFormats(format)) {
        if (format <= kLastStandardFormat) continue;
        wchar_t name[kFormatNameLength] = {};
        const int length = GetClipboardFormatNameW(format, name, kFormatNameLength);
        if (length <= 0) continue;
        HANDLE data = GetClipboardData(format);
        recorded[count++] = {std::wstring(name, static_cast<size_t>(length)), data ? GlobalSize(data) : 0};
    }
    const bool firstIsFace = recorded[0].size > recorded[1].size;
    const RecordedFormat& face = firstIsFace ? recorded[0] : recorded[1];
    const RecordedFormat& mask = firstIsFace ? recorded[1] : recorded[0];
    if (!face.name.empty()) names.face = face.name;
    if (!mask.name.empty()) names.mask = mask.name;
}

// The bitmap as a packed DIB in a new block: header, colour table and rows, then `spare` zero bytes.
// `bitsPerPixel` 0 keeps the bitmap's own depth, the screen's for a bitmap loaded from a file.
GlobalBlock PackedDibOf(HBITMAP bitmap, WORD bitsPerPixel, size_t spare) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return {};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = info.bmWidth;
    header.biHeight = info.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = bitsPerPixel ? bitsPerPixel : static_cast<WORD>(info.bmBitsPixel * info.bmPlanes);
    header.biCompression = BI_RGB;
    const size_t colours = header.biBitCount <= 8 ? (size_t{1} << header.biBitCount) : 0;
    const size_t image = Stride(header.biWidth, header.biBitCount) * static_cast<size_t>(info.bmHeight);
    header.biSizeImage = static_cast<DWORD>(image);
    const size_t bitsOffset = sizeof header + colours * sizeof(RGBQUAD);
    GlobalBlock block = AllocateGlobal(bitsOffset + image + spare);
    GlobalLockScope locked(block.Get());
    if (!locked.Data()) return {};
    auto* bytes = static_cast<BYTE*>(locked.Data());
    std::memcpy(bytes, &header, sizeof header);
    ScreenDc screen;
    if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(info.bmHeight), bytes + bitsOffset,
                  reinterpret_cast<BITMAPINFO*>(bytes), DIB_RGB_COLORS) != info.bmHeight)
        return {};
    return block;
}

// The face as CF_DIB and under the face format, the mask under the mask format. Each failure is
// reported and the rest still goes on the clipboard.
void PutFaceOnClipboard(HBITMAP face, HBITMAP mask, const FaceFormatNames& names) {
    OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) return;
    EmptyClipboard();
    GlobalBlock faceBlock = PackedDibOf(face, 0, 0);
    SetAsClipboardData(faceBlock, CF_DIB);

    if (GlobalBlock copy = CopyOfGlobal(GetClipboardData(CF_DIB)))
        SetAsClipboardData(copy, RegisterClipboardFormatW(names.face.c_str()));
    else
        Report(L"wit1");

    // Office's mask format: a black-and-white DIB with room to spare after it.
    GlobalBlock maskBlock = PackedDibOf(mask, 1, kMaskSpareBytes);
    if (!maskBlock)
        Report(L"wit2");
    else if (!SetAsClipboardData(maskBlock, RegisterClipboardFormatW(names.mask.c_str())))
        Report(L"witset");  // the block stays ours and is freed
}

}  // namespace

void PasteFaceThroughClipboard(const std::wstring& facePath, const std::wstring& maskPath,
                               const sheet::CommandBarButton& button) {
    FaceFormatNames& names = ModuleFaceFormats();
    if (names.face.empty() || names.mask.empty()) FindFaceFormats(button, names);
    framework::CBitmap face;
    framework::CBitmap mask;
    if (!face.LoadFromFile(facePath) || !mask.LoadFromFile(maskPath)) return;
    PutFaceOnClipboard(face.GetSafeHandle(), mask.GetSafeHandle(), names);
    button.PasteFace();
}

void ForgetFaceFormats() noexcept { ModuleFaceFormats() = FaceFormatNames{}; }
