// How the module's own IDispatch implementations (the ribbon callbacks and the button event sinks) read
// names: IID_NULL only, exactly one name, compared case-sensitively after conversion to the ANSI code
// page in a buffer of 512 bytes.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string_view>

namespace framework {

class DispatchName {
public:
    // The checks GetIDsOfNames makes before it looks a name up: S_OK with the one name converted, else the
    // HRESULT to return (DISP_E_UNKNOWNINTERFACE, E_POINTER, E_INVALIDARG; DISP_E_UNKNOWNNAME, with the
    // id set to DISPID_UNKNOWN, for a name the code page cannot hold exactly).
    HRESULT Read(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids) noexcept;
    // The converted name; valid while this object lives.
    std::string_view Ansi() const noexcept { return m_name.value_or(std::string_view()); }

private:
    static constexpr size_t kBufferSize = 512;
    char m_buffer[kBufferSize];
    std::optional<std::string_view> m_name;
};

}  // namespace framework
