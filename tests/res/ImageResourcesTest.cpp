// Loads the images from this program's own resources, the way the add-in loads them from its DLL.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "res/resource.h"

namespace {

namespace gp = Gdiplus::DllExports;

std::vector<unsigned char> ResourceBytes(LPCWSTR name, LPCWSTR type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name, type);
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);
  const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  DWORD size = SizeofResource(module, info);
  if (!bytes) return {};
  return std::vector<unsigned char>(bytes, bytes + size);
}

std::uint32_t BigEndian32(const unsigned char* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::uint32_t Crc32(const unsigned char* data, size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

struct PngChunk {
  std::string type;
  const unsigned char* data;
  std::uint32_t length;
};

// Splits a PNG file into its chunks; fails the test on a bad signature, a chunk running past the end
// or a wrong checksum.
std::vector<PngChunk> PngChunks(const std::vector<unsigned char>& file) {
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<PngChunk> chunks;
  if (file.size() < 8 || std::memcmp(file.data(), signature, 8) != 0) {
    ADD_FAILURE() << "no PNG signature";
    return chunks;
  }
  size_t pos = 8;
  while (pos + 12 <= file.size()) {
    std::uint32_t length = BigEndian32(&file[pos]);
    if (length > file.size() - pos - 12) {
      ADD_FAILURE() << "chunk at " << pos << " runs past the end, length " << length;
      return chunks;
    }
    const unsigned char* typeAndData = &file[pos + 4];
    EXPECT_EQ(BigEndian32(typeAndData + 4 + length), Crc32(typeAndData, 4 + length))
        << "checksum of chunk at " << pos;
    chunks.push_back({std::string(reinterpret_cast<const char*>(typeAndData), 4), typeAndData + 4, length});
    pos += 12 + length;
  }
  EXPECT_EQ(pos, file.size()) << "bytes after the last chunk";
  return chunks;
}

class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() {
    if (status_ == Gdiplus::Ok) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  Gdiplus::Status status() const { return status_; }

 private:
  ULONG_PTR token_ = 0;
  Gdiplus::Status status_ = Gdiplus::GenericError;
};

struct BitmapDeleter {
  void operator()(Gdiplus::GpBitmap* bitmap) const { gp::GdipDisposeImage(bitmap); }
};
using GpBitmapPtr = std::unique_ptr<Gdiplus::GpBitmap, BitmapDeleter>;

struct StreamReleaser {
  void operator()(IStream* stream) const { stream->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, StreamReleaser>;

struct GdiObjectDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// A stream over a movable global copy of the bytes, as the add-in builds it for GDI+.
StreamPtr StreamOver(const std::vector<unsigned char>& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return nullptr;
  }
  return StreamPtr(stream);
}

GpBitmapPtr DecodeWithGdiplus(const std::vector<unsigned char>& bytes) {
  StreamPtr stream = StreamOver(bytes);
  if (!stream) return nullptr;
  Gdiplus::GpBitmap* bitmap = nullptr;
  Gdiplus::Status status = gp::GdipCreateBitmapFromStream(stream.get(), &bitmap);
  EXPECT_EQ(status, Gdiplus::Ok) << "GdipCreateBitmapFromStream";
  return GpBitmapPtr(status == Gdiplus::Ok ? bitmap : nullptr);
}

std::vector<unsigned char> RemoveDuplicatesPng() {
  return ResourceBytes(MAKEINTRESOURCEW(IDR_PNG_REMDUPS), L"PNG");
}

TEST(RemoveDuplicatesImage, IsAPngResourceOfItsOwnTypeWithId1021) {
  EXPECT_EQ(IDR_PNG_REMDUPS, 1021);
  EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1021), L"PNG"), nullptr)
      << "error " << GetLastError();
  EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1021), L"png"), nullptr)
      << "resource type names are found regardless of case";
}

TEST(RemoveDuplicatesImage, IsAWellFormedPngOf16By16WithAnAlphaChannel) {
  std::vector<unsigned char> png = RemoveDuplicatesPng();
  ASSERT_FALSE(png.empty());
  std::vector<PngChunk> chunks = PngChunks(png);
  ASSERT_GE(chunks.size(), 3u);
  ASSERT_EQ(chunks.front().type, "IHDR");
  ASSERT_EQ(chunks.front().length, 13u);
  const unsigned char* header = chunks.front().data;
  EXPECT_EQ(BigEndian32(header), 16u) << "width";
  EXPECT_EQ(BigEndian32(header + 4), 16u) << "height";
  EXPECT_EQ(header[8], 8) << "bit depth";
  EXPECT_TRUE(header[9] == 6 || header[9] == 4) << "colour type with alpha, got " << int(header[9]);
  EXPECT_EQ(header[12], 0) << "not interlaced";
  EXPECT_EQ(chunks.back().type, "IEND");
  bool hasImageData = false;
  for (const PngChunk& chunk : chunks) hasImageData |= chunk.type == "IDAT";
  EXPECT_TRUE(hasImageData);
}

TEST(RemoveDuplicatesImage, DecodesWithGdiplusToA16By16ImageWithTransparentCornersAndOpaqueDrawing) {
  GdiplusSession gdiplus;
  ASSERT_EQ(gdiplus.status(), Gdiplus::Ok);
  GpBitmapPtr bitmap = DecodeWithGdiplus(RemoveDuplicatesPng());
  ASSERT_TRUE(bitmap);

  UINT width = 0xdeadbeef, height = 0xdeadbeef;
  ASSERT_EQ(gp::GdipGetImageWidth(bitmap.get(), &width), Gdiplus::Ok);
  ASSERT_EQ(gp::GdipGetImageHeight(bitmap.get(), &height), Gdiplus::Ok);
  EXPECT_EQ(width, 16u);
  EXPECT_EQ(height, 16u);

  Gdiplus::PixelFormat format = 0;
  ASSERT_EQ(gp::GdipGetImagePixelFormat(bitmap.get(), &format), Gdiplus::Ok);
  EXPECT_TRUE(Gdiplus::IsAlphaPixelFormat(format)) << "pixel format " << std::hex << format;

  Gdiplus::ARGB corner = 0xdeadbeef;
  ASSERT_EQ(gp::GdipBitmapGetPixel(bitmap.get(), 0, 0, &corner), Gdiplus::Ok);
  EXPECT_EQ(corner >> 24, 0u) << "top-left pixel " << std::hex << corner;

  int opaque = 0, transparent = 0;
  std::set<Gdiplus::ARGB> opaqueColours;
  for (INT y = 0; y < 16; ++y) {
    for (INT x = 0; x < 16; ++x) {
      Gdiplus::ARGB pixel = 0;
      ASSERT_EQ(gp::GdipBitmapGetPixel(bitmap.get(), x, y, &pixel), Gdiplus::Ok);
      if (pixel >> 24 == 0xFF) {
        ++opaque;
        opaqueColours.insert(pixel);
      } else if (pixel >> 24 == 0) {
        ++transparent;
      }
    }
  }
  EXPECT_GT(opaque, 64) << "the drawing covers a good part of the icon";
  EXPECT_GT(transparent, 16) << "the background shows through";
  EXPECT_GE(opaqueColours.size(), 3u) << "a drawing, not a filled square";
}

TEST(RemoveDuplicatesImage, ConvertsToAGdiBitmapOnATransparentBackground) {
  GdiplusSession gdiplus;
  ASSERT_EQ(gdiplus.status(), Gdiplus::Ok);
  GpBitmapPtr bitmap = DecodeWithGdiplus(RemoveDuplicatesPng());
  ASSERT_TRUE(bitmap);
  HBITMAP handle = nullptr;
  ASSERT_EQ(gp::GdipCreateHBITMAPFromBitmap(bitmap.get(), &handle, 0), Gdiplus::Ok);
  BitmapHandle owned(handle);
  BITMAP info{};
  ASSERT_EQ(GetObjectW(handle, sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 16);
}

TEST(RangePickerBitmap, IsResource1003StoredAs17By16At16BitsPerPixel) {
  EXPECT_EQ(IDB_RANGE_PICKER, 1003);
  std::vector<unsigned char> dib = ResourceBytes(MAKEINTRESOURCEW(IDB_RANGE_PICKER), MAKEINTRESOURCEW(2));
  ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER header;
  std::memcpy(&header, dib.data(), sizeof header);
  EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
  EXPECT_EQ(header.biWidth, 17);
  EXPECT_EQ(header.biHeight < 0 ? -header.biHeight : header.biHeight, 16);
  EXPECT_EQ(header.biBitCount, 16);
  EXPECT_TRUE(header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS)
      << "compression " << header.biCompression;
  const size_t masks = header.biCompression == BI_BITFIELDS ? 12 : 0;
  const size_t rowBytes = (17 * 2 + 3) & ~size_t(3);
  EXPECT_GE(dib.size(), header.biSize + masks + 16 * rowBytes) << "every pixel row is present";
}

TEST(RangePickerBitmap, LoadsAsA17By16DibSectionOf16BitsPerPixelShowingADrawing) {
  HANDLE image = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_RANGE_PICKER), IMAGE_BITMAP, 0, 0,
                            LR_CREATEDIBSECTION);
  ASSERT_NE(image, nullptr) << "error " << GetLastError();
  BitmapHandle bitmap(static_cast<HBITMAP>(image));
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(bitmap.get(), sizeof section, &section), int(sizeof section));
  EXPECT_EQ(section.dsBm.bmWidth, 17);
  EXPECT_EQ(section.dsBm.bmHeight, 16);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 16);
  ASSERT_NE(section.dsBm.bmBits, nullptr);

  std::set<std::uint16_t> colours;
  const auto* bits = static_cast<const unsigned char*>(section.dsBm.bmBits);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 17; ++x) {
      std::uint16_t pixel;
      std::memcpy(&pixel, bits + y * section.dsBm.bmWidthBytes + x * 2, sizeof pixel);
      colours.insert(pixel);
    }
  }
  EXPECT_GE(colours.size(), 4u) << "a drawing, not a filled rectangle";
}

TEST(RangePickerBitmap, LoadsWithLoadBitmapAs17By16) {
  HBITMAP loaded = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_RANGE_PICKER));
  ASSERT_NE(loaded, nullptr) << "error " << GetLastError();
  BitmapHandle bitmap(loaded);
  BITMAP info{};
  ASSERT_EQ(GetObjectW(loaded, sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidth, 17);
  EXPECT_EQ(info.bmHeight, 16);
}

}  // namespace
