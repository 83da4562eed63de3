// Windows Installer as a user or an IT department drives it: msiexec with a package, quietly, and what the
// package and the machine's product list say.
#pragma once

#include <windows.h>

#include <string>

namespace cwtest {

// Runs "msiexec <arguments>" and waits (at most two minutes) for its exit code; ~0u if it cannot be run or
// does not end.
DWORD RunMsiexec(const std::wstring& arguments);

// A value of the package's Property table ("ProductCode", "UpgradeCode", "ProductVersion", ...); empty when
// the package cannot be opened or has no such property.
std::wstring PackageProperty(const std::wstring& packagePath, const std::wstring& property);

// Whether the package's summary says it needs elevated privileges to install (the Word Count's bit 8 unset).
bool PackageAsksForElevation(const std::wstring& packagePath);

// The installed products that share an upgrade code, as "version" texts; one entry per product.
std::wstring InstalledVersions(const std::wstring& upgradeCode);

}  // namespace cwtest
