// Every key and value below a few registry roots, as readable text, so that two moments of a machine can be
// compared and a difference printed.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace cwtest {

// "HKLM\Software\Classes\Cellwright.ZendaUtils\CLSID" for a key, the same with " [name]" (or " [(default)]")
// for a value; a key maps to "(key)", a value to its type and data, such as "REG_SZ {6A3F...}" or "REG_DWORD 3".
using RegistrySnapshot = std::map<std::wstring, std::wstring>;

// HKLM\Software and HKCU\Software, the 32-bit view included.
RegistrySnapshot SnapshotSoftware();

// What is in `after` and not, or not so, in `before`; and what went.
struct RegistryChanges {
    RegistrySnapshot written;
    RegistrySnapshot removed;
};
RegistryChanges Compare(const RegistrySnapshot& before, const RegistrySnapshot& after);

// One entry per line, for a failure message.
std::wstring Listing(const RegistrySnapshot& entries);

}  // namespace cwtest
