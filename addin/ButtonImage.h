// The Remove Duplicates button face: an OLE picture made from the PNG in the module's resources.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "framework/ComPtr.h"

// A new picture on every call, or null when anything fails.
// Every GDI+, GDI, global-memory and stream resource it takes is freed on every path.
framework::ComPtr<IDispatch> CreatePictureFromPngResource(HMODULE module, int resourceId);
