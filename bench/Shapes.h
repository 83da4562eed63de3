// The shapes of sheet the text tools' and Remove Duplicates' benchmarks run on, the same for each tool: blocks
// within the 1000-row limit, whole columns past it, long texts, and a block where only every third cell is
// the tool's business; whole columns also on the 65,536 rows of Excel 2003.
#pragma once

#include <memory>
#include <string>

#include "host/excel/Excel.h"
#include "host/excel/Sheet.h"

namespace bench {

struct Shape {
    const char* name;
    long rows;
    long columns;
    const wchar_t* selection;
    long textLength;  // at least this many characters a text
    bool everyThird;  // only every third cell (or row) is one the tool changes
    const wchar_t* version = L"14.0";  // Application.Version, which sets the sheet's grid
    long distinctNumbers = 0;  // above 0: the cells hold numbers, this many different ones, instead of texts
};

extern const Shape kShapes[];
extern const int kShapeCount;
// Columns of numbers under General, for the tools that key or join on what cells show.
extern const Shape kNumberShapes[];
extern const int kNumberShapeCount;

// The number a cell of a shape of numbers holds: its row's place among the shape's distinct numbers.
inline double NumberOf(const Shape& shape, long row) { return 1000.25 + (row - 1) % shape.distinctNumbers; }

// A stand-in Excel of the shape's version.
std::shared_ptr<host::Excel> ExcelFor(const Shape& shape);

// Cells are the cells of the list; the selection may take in more.
inline double CellsOf(const Shape& shape) { return static_cast<double>(shape.rows) * shape.columns; }

// A text of at least `length` characters that begins with `start`.
std::wstring Padded(std::wstring start, long length);

// Stores a value in every cell of the shape's list, straight into the model (no automation calls).
template <class ValueOf>
void FillShape(host::Sheet& sheet, const Shape& shape, ValueOf valueOf) {
    for (long r = 1; r <= shape.rows; ++r)
        for (long c = 1; c <= shape.columns; ++c)
            sheet.StoreContent(r, c, valueOf(r, c), false, std::wstring(), false, std::nullopt);
}

}  // namespace bench
