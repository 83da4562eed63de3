// A sheet's state as a user sees it, to tell whether an undo put everything back: every cell of a
// rectangle (value and its type, formula, number format, fill with its pattern and theme colour, wrap,
// alignments), the column widths, the merged areas and the selection with its active cell.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/excel/Address.h"
#include "host/excel/Sheet.h"

namespace cwtest {

struct SheetSnapshot {
    std::vector<std::wstring> cells;  // one line a cell, with its address
    std::vector<std::wstring> widths;
    std::vector<std::wstring> merged;
    std::wstring selection;

    static SheetSnapshot Of(const host::Sheet& sheet, long rows, long columns) {
        SheetSnapshot snapshot;
        for (long r = 1; r <= rows; ++r)
            for (long c = 1; c <= columns; ++c) snapshot.cells.push_back(Line(sheet, r, c));
        for (long c = 1; c <= columns; ++c) snapshot.widths.push_back(std::to_wstring(sheet.ColumnWidth(c)));
        for (const host::Area& area : sheet.MergedAreas()) snapshot.merged.push_back(host::FormatAddress({area}, {}));
        std::sort(snapshot.merged.begin(), snapshot.merged.end());
        snapshot.selection =
            host::FormatAddress(sheet.Selection(), {}) + L" at " + host::FormatAddress({sheet.ActiveCell()}, {});
        return snapshot;
    }

    static std::wstring Line(const host::Sheet& sheet, long row, long column) {
        const host::Cell cell = sheet.At(row, column);
        std::wostringstream line;
        line << host::ColumnLetters(column) << row;
        // A formula's result is Excel's to calculate, which the stand-in does not.
        if (!cell.hasFormula)
            line << " type " << static_cast<int>(cell.Type()) << " \"" << cell.value.text << "\" " << cell.value.number
                 << ' ' << cell.value.boolean << ' ' << cell.value.error;
        line << " formula \"" << cell.formula << "\" " << cell.hasArray << " format \"" << cell.numberFormat
             << "\" fill " << (cell.interiorColor ? static_cast<long>(*cell.interiorColor) : -1) << ' '
             << cell.fillParts[0] << ' ' << cell.fillParts[1] << ' ' << cell.fillParts[2] << ' ' << cell.fillParts[3]
             << " wrap "
             << cell.wrapText << " align " << cell.horizontalAlignment << ' ' << cell.verticalAlignment;
        return line.str();
    }
};

// Says which parts differ, each difference on a line.
inline testing::AssertionResult SameSheet(const SheetSnapshot& expected, const SheetSnapshot& actual) {
    std::wostringstream differences;
    for (size_t i = 0; i < expected.cells.size() && i < actual.cells.size(); ++i)
        if (expected.cells[i] != actual.cells[i])
            differences << L"\n  expected " << expected.cells[i] << L"\n  found    " << actual.cells[i];
    for (size_t i = 0; i < expected.widths.size() && i < actual.widths.size(); ++i)
        if (expected.widths[i] != actual.widths[i])
            differences << L"\n  column " << i + 1 << L" width " << actual.widths[i] << L", was " << expected.widths[i];
    auto list = [](const std::vector<std::wstring>& areas) {
        std::wstring text;
        for (const std::wstring& area : areas) text += area + L" ";
        return text;
    };
    if (expected.merged != actual.merged)
        differences << L"\n  merged " << list(actual.merged) << L", was " << list(expected.merged);
    if (expected.selection != actual.selection)
        differences << L"\n  selection " << actual.selection << L", was " << expected.selection;
    const std::wstring text = differences.str();
    if (text.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << std::string(text.begin(), text.end());
}

}  // namespace cwtest
