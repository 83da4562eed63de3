// How the add-in's own IDispatch implementations (the ribbon callbacks and the button event sinks) read
// names: IID_NULL only, exactly one name, compared case-sensitively after conversion to the ANSI code
// page in a buffer of 512 bytes.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

// The name in the ANSI code page; false when there is none or it does not fit the buffer.
bool ToAnsiName(const wchar_t* name, std::string& ansi);

// The checks GetIDsOfNames makes before it looks a name up: S_OK with the one name in `ansi`, else the
// HRESULT to return (DISP_E_UNKNOWNINTERFACE, E_POINTER, E_INVALIDARG, DISP_E_UNKNOWNNAME).
HRESULT ReadOneAnsiName(REFIID riid, LPOLESTR* names, UINT count, const DISPID* ids, std::string& ansi);
