#include "framework/DispatchName.h"

#include "framework/TextConversion.h"

namespace framework {

HRESULT DispatchName::Read(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids) noexcept {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!ids || !names) return E_POINTER;
    if (count != 1) return E_INVALIDARG;
    m_name.reset();
    if (names[0]) m_name = ToAnsiExact(names[0], m_buffer, kBufferSize);
    if (m_name) return S_OK;
    *ids = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

}  // namespace framework
