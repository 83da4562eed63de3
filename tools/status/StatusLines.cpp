#include "tools/status/StatusLines.h"

#include <windows.h>

namespace status {

namespace {

// A status bar line stays readable: a long list of areas is cut after its last whole area that fits.
constexpr size_t kLongestAddress = 60;

std::wstring ShortAddress(std::wstring_view address) {
    if (address.size() <= kLongestAddress) return std::wstring(address);
    size_t cut = address.rfind(L',', kLongestAddress);
    if (cut == std::wstring_view::npos || cut == 0) cut = kLongestAddress;
    return std::wstring(address.substr(0, cut)) + L",...";
}

}  // namespace

std::wstring GroupDigits(long long number, std::wstring_view separator) {
    unsigned long long magnitude =
        number < 0 ? 0ull - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
    std::wstring digits = std::to_wstring(magnitude);
    std::wstring grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return number < 0 ? L"-" + grouped : grouped;
}

StatusLines StatusLines::ForUser() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8) <= 1) return StatusLines(L",");
    return StatusLines(separator);
}

std::wstring StatusLines::Count(long long number, std::wstring_view one, std::wstring_view many) const {
    if (number == 0) return L"no " + std::wstring(many);
    return Number(number) + L" " + std::wstring(number == 1 ? one : many);
}

std::wstring StatusLines::Progress(std::wstring_view tool, long done, long total) const {
    long long percent = total > 0 ? static_cast<long long>(done) * 100 / total : 0;
    return std::wstring(tool) + L": " + std::to_wstring(percent) + L"% (" + Number(done) + L" of " + Number(total) +
           L" rows)";
}

std::wstring StatusLines::Stopped(std::wstring_view tool, long done, long total, std::wstring_view outcome) const {
    return std::wstring(tool) + L": stopped at row " + Number(done) + L" of " + Number(total) + L"; " +
           std::wstring(outcome);
}

std::wstring StatusLines::Finished(std::wstring_view tool, std::wstring_view outcome) {
    return std::wstring(tool) + L": " + std::wstring(outcome);
}

std::wstring StatusLines::CellsChanged(long changed, std::wstring_view address, long keptTooLong) const {
    std::wstring line = Count(changed, L"cell", L"cells") + L" changed";
    if (!address.empty()) line += L" in " + ShortAddress(address);
    if (keptTooLong > 0)
        line += L"; " + Count(keptTooLong, L"cell", L"cells") +
                (keptTooLong == 1 ? L" left as it was: its new text" : L" left as they were: their new texts") +
                L" would not stay text within a cell's 32,767 characters";
    return line;
}

}  // namespace status
