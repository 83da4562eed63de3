#include "addin/DispatchNames.h"

namespace {
constexpr int kAnsiNameBuffer = 512;
}

bool ToAnsiName(const wchar_t* name, std::string& ansi) {
    if (!name) return false;
    ansi.assign(kAnsiNameBuffer, '\0');
    int written = WideCharToMultiByte(CP_ACP, 0, name, -1, ansi.data(), kAnsiNameBuffer, nullptr, nullptr);
    if (written <= 0) return false;
    ansi.resize(static_cast<size_t>(written) - 1);  // the terminator
    return true;
}

HRESULT ReadOneAnsiName(REFIID riid, LPOLESTR* names, UINT count, const DISPID* ids, std::string& ansi) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!ids || !names) return E_POINTER;
    if (count != 1) return E_INVALIDARG;
    return ToAnsiName(names[0], ansi) ? S_OK : DISP_E_UNKNOWNNAME;
}
