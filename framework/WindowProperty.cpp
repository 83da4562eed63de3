#include "framework/WindowProperty.h"

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace framework {

std::wstring ModuleWindowPropertyName(const wchar_t* what) {
    wchar_t prefix[40];
    wsprintfW(prefix, L"Cellwright.%p.", static_cast<void*>(&__ImageBase));
    return prefix + std::wstring(what);
}

}  // namespace framework
