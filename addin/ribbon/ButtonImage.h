// The pictures of the ribbon buttons that have an image of their own: OLE pictures made from PNGs in the
// module's resources.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string_view>

#include "framework/ComPtr.h"

// A new picture on every call, or null when anything fails.
// Every GDI+, GDI, global-memory and stream resource it takes is freed on every path.
framework::ComPtr<IDispatch> CreatePictureFromPngResource(HMODULE module, int resourceId);

// The picture of the command whose ribbon button names that image; null for a name no button has.
framework::ComPtr<IDispatch> ButtonImageNamed(std::wstring_view image);
