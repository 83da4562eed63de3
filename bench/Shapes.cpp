#include "bench/Shapes.h"

namespace bench {

const Shape kShapes[] = {
    {"1000 x 10", 1000, 10, L"$A$1:$J$1000", 0, false},
    {"1000 x 50", 1000, 50, L"$A$1:$AX$1000", 0, false},
    {"A:C over 100,000 rows", 100000, 3, L"$A:$C", 0, false},
    {"A:A over 1,000,000 rows", 1000000, 1, L"$A:$A", 0, false},
    {"A:A over 20,000 x 10,000 chars", 20000, 1, L"$A:$A", 10000, false},
    {"1000 x 10, every third changes", 1000, 10, L"$A$1:$J$1000", 0, true},
    {"A:C over 65,536 rows, Excel 2003", 65536, 3, L"$A:$C", 0, false, L"11.0"},
    {"A:A over 65,536 rows, Excel 2003", 65536, 1, L"$A:$A", 0, false, L"11.0"},
};
const int kShapeCount = sizeof(kShapes) / sizeof(kShapes[0]);

const Shape kNumberShapes[] = {
    {"A:A, 1,000,000 numbers, 2,000 distinct", 1000000, 1, L"$A:$A", 0, false, L"14.0", 2000},
    {"A:A, 1,000,000 numbers, all distinct", 1000000, 1, L"$A:$A", 0, false, L"14.0", 1000000},
};
const int kNumberShapeCount = sizeof(kNumberShapes) / sizeof(kNumberShapes[0]);

std::shared_ptr<host::Excel> ExcelFor(const Shape& shape) {
    auto excel = host::Excel::Create();
    excel->SetVersion(shape.version);
    return excel;
}

std::wstring Padded(std::wstring start, long length) {
    for (wchar_t fill = L'a'; static_cast<long>(start.size()) < length; fill = fill == L'z' ? L'a' : fill + 1)
        start += fill;
    return start;
}

}  // namespace bench
