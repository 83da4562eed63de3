// Opening the help file and the home page with the shell's "open" verb, through one seam that tests replace.
#pragma once

#include <string>

// The publisher's home page.
constexpr const wchar_t* kHomePageAddress = L"https://www.zendautilities.example/cellwright/";
constexpr const wchar_t* kHelpFileName = L"cellwrighthelp.chm";

using ShellOpenFunction = void (*)(const std::wstring& target, int showCommand);

// Calls the shell, or the function a test installed. The shell's result is not examined.
void ShellOpen(const std::wstring& target, int showCommand);

// Installs a replacement for the shell call; null puts the shell back. Returns the previous one.
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction replacement);

// The help file in the module folder, maximised.
void OpenHelpFile();
// The home page, shown normally.
void OpenHomePage();
