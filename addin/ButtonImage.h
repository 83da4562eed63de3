// The Remove Duplicates button face: an OLE picture made from the PNG in the module's resources.
#pragma once

#include <windows.h>
#include <oaidl.h>

// A new picture on every call (the caller owns the reference), or null when anything fails.
// Every GDI+, GDI, global-memory and stream resource it takes is freed on every path.
IDispatch* CreatePictureFromPngResource(HMODULE module, int resourceId);
