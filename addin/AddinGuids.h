// The add-in's own identifiers. The CLSID is the one registration writes; nothing outside asks for the
// two interface identifiers by value.
#pragma once

#include <windows.h>

// {6A3F2C71-5B0E-4D8A-9C1E-2F7B8E4D5A10}
constexpr CLSID CLSID_CellwrightAddin = {0x6A3F2C71, 0x5B0E, 0x4D8A, {0x9C, 0x1E, 0x2F, 0x7B, 0x8E, 0x4D, 0x5A, 0x10}};
// {6A3F2C72-5B0E-4D8A-9C1E-2F7B8E4D5A10}: the object's own (empty) automation interface.
constexpr IID IID_ICellwrightAddin = {0x6A3F2C72, 0x5B0E, 0x4D8A, {0x9C, 0x1E, 0x2F, 0x7B, 0x8E, 0x4D, 0x5A, 0x10}};
// {6A3F2C73-5B0E-4D8A-9C1E-2F7B8E4D5A10}: the ribbon callback dispatch interface.
constexpr IID IID_ICellwrightCallbacks = {0x6A3F2C73, 0x5B0E, 0x4D8A, {0x9C, 0x1E, 0x2F, 0x7B, 0x8E, 0x4D, 0x5A, 0x10}};
