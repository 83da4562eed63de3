#include "addin/legacymenu/ExcelVersion.h"

namespace {

constexpr int kFirstRibbonVersion = 12;
constexpr int kLargestMajor = 9999;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<int> ExcelMajorVersion(std::wstring_view version) {
    int major = 0;
    size_t i = 0;
    for (; i < version.size() && IsDigit(version[i]); ++i) {
        major = major * 10 + (version[i] - L'0');
        if (major > kLargestMajor) return std::nullopt;
    }
    if (i == 0 || i + 1 >= version.size() || version[i] != L'.' || !IsDigit(version[i + 1])) return std::nullopt;
    return major;
}

ExcelVersionFlags ClassifyExcelVersion(std::wstring_view version) {
    ExcelVersionFlags flags;
    const std::optional<int> major = ExcelMajorVersion(version);
    flags.legacyMenu = !major || *major < kFirstRibbonVersion;
    flags.excel2000 = flags.legacyMenu && (version == L"9.0" || version.substr(0, 4) == L"9.0.");
    return flags;
}
