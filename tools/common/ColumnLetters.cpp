#include "tools/common/ColumnLetters.h"

#include <algorithm>

namespace blocks {

std::wstring ColumnLetters(long column) {
    std::wstring letters;
    for (; column > 0; column = (column - 1) / 26) letters += static_cast<wchar_t>(L'A' + (column - 1) % 26);
    std::reverse(letters.begin(), letters.end());
    return letters;
}

std::wstring ColumnLettersOfAddress(std::wstring_view address) {
    size_t lastDollar = address.rfind(L'$');
    std::wstring letters(address.substr(0, lastDollar == std::wstring_view::npos ? 0 : lastDollar));
    letters.erase(std::remove(letters.begin(), letters.end(), L'$'), letters.end());
    return letters;
}

}  // namespace blocks
