#include "host/excel/FaceImage.h"

#include <cstring>
#include <memory>

namespace host {

namespace {

constexpr long kLargestFace = 1024;

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct BitmapDeleter {
    using pointer = HBITMAP;
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

size_t Stride(long width, WORD bitsPerPixel) { return ((size_t(width) * bitsPerPixel + 31) / 32) * 4; }

size_t ColourTableEntries(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed) return header.biClrUsed;
    if (header.biBitCount <= 8) return size_t(1) << header.biBitCount;
    return header.biCompression == BI_BITFIELDS ? 3 : 0;
}

}  // namespace

FaceImage FaceImageOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) == 0) return {};
    if (info.bmWidth <= 0 || info.bmHeight <= 0 || info.bmWidth > kLargestFace || info.bmHeight > kLargestFace)
        return {};
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;  // top-down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> quads(size_t(info.bmWidth) * size_t(info.bmHeight));
    ScreenDc screen;
    if (GetDIBits(screen.dc, bitmap, 0, UINT(info.bmHeight), quads.data(), &request, DIB_RGB_COLORS) != info.bmHeight)
        return {};
    FaceImage image;
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.pixels.reserve(quads.size());
    for (const RGBQUAD& q : quads) image.pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    return image;
}

FaceImage FaceImageOfPackedDib(const void* data, size_t size) {
    if (!data || size < sizeof(BITMAPINFOHEADER)) return {};
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    const long height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || height <= 0 ||
        header.biWidth > kLargestFace || height > kLargestFace || header.biPlanes != 1)
        return {};
    switch (header.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return {};
    }
    if (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS) return {};
    const size_t bitsOffset = header.biSize + ColourTableEntries(header) * sizeof(RGBQUAD);
    if (bitsOffset > size || Stride(header.biWidth, header.biBitCount) * size_t(height) > size - bitsOffset) return {};
    const auto* bytes = static_cast<const BYTE*>(data);
    ScreenDc screen;
    std::unique_ptr<HBITMAP, BitmapDeleter> bitmap(CreateDIBitmap(
        screen.dc, &header, CBM_INIT, bytes + bitsOffset, reinterpret_cast<const BITMAPINFO*>(bytes), DIB_RGB_COLORS));
    return FaceImageOf(bitmap.get());
}

FaceImage FaceImageOfFile(const std::wstring& path) {
    std::unique_ptr<HBITMAP, BitmapDeleter> bitmap(
        static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    return FaceImageOf(bitmap.get());
}

HBITMAP BitmapOf(const FaceImage& image) {
    ScreenDc screen;
    HBITMAP bitmap = CreateCompatibleBitmap(screen.dc, image.width, image.height);
    HDC dc = bitmap ? CreateCompatibleDC(screen.dc) : nullptr;
    if (!dc) return bitmap;
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (long y = 0; y < image.height; ++y) {
        for (long x = 0; x < image.width; ++x) SetPixel(dc, x, y, image.At(x, y));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

HGLOBAL PackedDibOf(const FaceImage& image, WORD bitsPerPixel) {
    const bool mask = bitsPerPixel == 1;
    const size_t stride = Stride(image.width, mask ? 1 : 24);
    const size_t colours = mask ? 2 : 0;
    const size_t headerSize = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    const size_t total = headerSize + stride * size_t(image.height);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, total);
    auto* bytes = static_cast<BYTE*>(block ? GlobalLock(block) : nullptr);
    if (!bytes) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = image.height;
    header.biPlanes = 1;
    header.biBitCount = mask ? 1 : 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = DWORD(stride * size_t(image.height));
    std::memcpy(bytes, &header, sizeof header);
    if (mask) {
        const RGBQUAD table[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
        std::memcpy(bytes + sizeof header, table, sizeof table);
    }
    for (long y = 0; y < image.height; ++y) {
        BYTE* row = bytes + headerSize + stride * size_t(image.height - 1 - y);  // bottom-up
        for (long x = 0; x < image.width; ++x) {
            COLORREF colour = image.At(x, y);
            if (mask) {
                if (colour == RGB(255, 255, 255)) row[x / 8] |= BYTE(0x80 >> (x % 8));
            } else {
                row[3 * x] = GetBValue(colour);
                row[3 * x + 1] = GetGValue(colour);
                row[3 * x + 2] = GetRValue(colour);
            }
        }
    }
    GlobalUnlock(block);
    return block;
}

}  // namespace host
