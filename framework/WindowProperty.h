// Names of the window properties through which the framework finds its objects from a window handle.
#pragma once

#include <string>

namespace framework {

// A property naming an object of this module: the name holds the module's address, so the add-in and a
// test program that both carry the framework never read each other's pointers.
std::wstring ModuleWindowPropertyName(const wchar_t* what);

// The template id of a framework page, on the page window; readable from any module (tests find pages by it).
constexpr const wchar_t* kPageTemplateProperty = L"Cellwright.PageTemplate";

}  // namespace framework
