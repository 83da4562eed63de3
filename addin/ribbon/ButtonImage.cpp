#include "addin/ribbon/ButtonImage.h"

#include <objidl.h>
#include <ole2.h>
#include <olectl.h>
#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "addin/commands/Commands.h"
#include "framework/Dpi.h"
#include "framework/GdiplusSession.h"
#include "framework/ModuleState.h"

namespace {

using namespace Gdiplus;

struct GlobalFreer {
    void operator()(void* block) const { GlobalFree(static_cast<HGLOBAL>(block)); }
};
struct BitmapDisposer {
    void operator()(GpBitmap* bitmap) const { DllExports::GdipDisposeImage(bitmap); }
};
struct BitmapHandleDeleter {
    using pointer = HBITMAP;
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

// A movable global block holding a copy of the resource bytes.
std::unique_ptr<void, GlobalFreer> CopyResource(HMODULE module, int resourceId) {
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"PNG");
    if (!info) return nullptr;
    DWORD size = SizeofResource(module, info);
    HGLOBAL loaded = LoadResource(module, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return nullptr;
    std::unique_ptr<void, GlobalFreer> block(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!block) return nullptr;
    void* target = GlobalLock(block.get());
    if (!target) return nullptr;
    std::memcpy(target, bytes, size);
    GlobalUnlock(block.get());
    return block;
}

std::unique_ptr<GpBitmap, BitmapDisposer> DecodePng(HGLOBAL block) {
    framework::ComPtr<IStream> stream;
    // The stream does not free the block: the caller's holder does.
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, stream.ReleaseAndGetAddressOf()))) return nullptr;
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromStream(stream.Get(), &bitmap) != Ok) return nullptr;
    return std::unique_ptr<GpBitmap, BitmapDisposer>(bitmap);
}

}  // namespace

framework::ComPtr<IDispatch> CreatePictureFromPngResource(HMODULE module, int resourceId) {
    framework::GdiplusSession gdiplus;
    if (!gdiplus.ok()) return nullptr;
    auto block = CopyResource(module, resourceId);
    if (!block) return nullptr;
    auto bitmap = DecodePng(static_cast<HGLOBAL>(block.get()));
    if (!bitmap) return nullptr;

    HBITMAP rawHandle = nullptr;
    // Background ARGB 0: the transparent parts stay transparent black.
    if (DllExports::GdipCreateHBITMAPFromBitmap(bitmap.get(), &rawHandle, 0) != Ok) return nullptr;
    std::unique_ptr<HBITMAP, BitmapHandleDeleter> handle(rawHandle);

    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = handle.get();
    description.bmp.hpal = nullptr;
    framework::ComPtr<IDispatch> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IDispatch, TRUE,
                                        reinterpret_cast<void**>(picture.ReleaseAndGetAddressOf()))))
        return nullptr;
    handle.release();  // the picture owns it now
    return picture;
}

framework::ComPtr<IDispatch> ButtonImageNamed(std::wstring_view image) {
    for (const commands::Command& command : commands::Table()) {
        if (!command.ribbon.image || image != command.ribbon.image) continue;
        // Office shows a normal-size image at 16 pixels times its display scale: the one drawn for that scale
        // stays sharp where a stretched one would blur.
        const HMODULE module = framework::CurrentResourceHandle();
        const int resource = command.ribbon.imageResource;
        const int scaledResource = framework::ImageIdForDpi(resource, framework::SystemDpi());
        if (auto scaled = CreatePictureFromPngResource(module, scaledResource)) return scaled;
        return CreatePictureFromPngResource(module, resource);
    }
    return nullptr;
}
