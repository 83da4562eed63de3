#include "host/excel/VersionLimits.h"

namespace host {

VersionLimits VersionLimits::Of(std::wstring_view version) {
    long major = 0;
    for (size_t i = 0; i < version.size() && version[i] >= L'0' && version[i] <= L'9' && major < 1000; ++i)
        major = major * 10 + (version[i] - L'0');
    if (major == 0 || major >= 12) return VersionLimits{};
    return VersionLimits{kSheetOfExcel2003, xl::MaxCellTextLength, 1024};
}

}  // namespace host
