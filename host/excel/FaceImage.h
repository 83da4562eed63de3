// A command-bar button's picture or mask as plain pixels, so that tests compare what Office received with
// the files the add-in ships, whatever road (Picture and Mask, or the clipboard) brought it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

struct FaceImage {
    long width = 0;
    long height = 0;
    std::vector<COLORREF> pixels;  // rows from top to bottom

    bool Empty() const { return pixels.empty(); }
    COLORREF At(long x, long y) const { return pixels[size_t(y * width + x)]; }
    bool operator==(const FaceImage& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
    bool operator!=(const FaceImage& other) const { return !(*this == other); }
};

// A button's face: the picture and its mask (white where the button shows through); an empty mask
// means the whole picture shows.
struct ButtonFace {
    FaceImage picture;
    FaceImage mask;
};

// The pixels of a GDI bitmap (device-dependent or a DIB section); empty when it cannot be read.
FaceImage FaceImageOf(HBITMAP bitmap);
// The pixels of a packed DIB (header, colour table, rows) as the clipboard carries one; empty when the
// block is malformed or shorter than its header says.
FaceImage FaceImageOfPackedDib(const void* data, size_t size);
// A bitmap file read as LoadImage reads it; empty when it cannot be read.
FaceImage FaceImageOfFile(const std::wstring& path);
// A bitmap compatible with the screen, with the image's pixels; the caller owns it. Null on failure.
HBITMAP BitmapOf(const FaceImage& image);
// A movable global block the caller owns, holding the image as a packed bottom-up DIB: 24 bits per
// pixel, or 1 (black and white, white where the pixel is white) for a mask. Null when out of memory.
HGLOBAL PackedDibOf(const FaceImage& image, WORD bitsPerPixel);

}  // namespace host
