// The lines the tools put on Excel's status bar, in plain words and with the digits grouped.
#pragma once

#include <string>
#include <string_view>

namespace status {

// 1234567 with "," gives "1,234,567".
std::wstring GroupDigits(long long number, std::wstring_view separator);

class StatusLines {
public:
    explicit StatusLines(std::wstring thousandsSeparator) : m_separator(std::move(thousandsSeparator)) {}
    // With the thousands separator of the user's locale, as Excel's own lines have it.
    static StatusLines ForUser();

    std::wstring Number(long long number) const { return GroupDigits(number, m_separator); }
    // "no cells", "1 cell", "1,204 cells".
    std::wstring Count(long long number, std::wstring_view one, std::wstring_view many) const;

    // "Change Case: 45% (45,000 of 100,000 rows)"
    std::wstring Progress(std::wstring_view tool, long done, long total) const;
    // "Change Case: stopped at row 45,000 of 100,000; " and what the tool did until then.
    std::wstring Stopped(std::wstring_view tool, long done, long total, std::wstring_view outcome) const;
    // "Change Case: " and what the tool did.
    static std::wstring Finished(std::wstring_view tool, std::wstring_view outcome);

    // What the text tools did: "1,204 cells changed in $A$1:$C$1000", "no cells changed in $A$1", and the cells
    // left as they were because their new text would not stay text in a cell ("; 1 cell left as it was: ...").
    std::wstring CellsChanged(long changed, std::wstring_view address, long keptTooLong = 0) const;

private:
    std::wstring m_separator;
};

}  // namespace status
