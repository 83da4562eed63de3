// Whether equal values in one column of a rectangle show the same text. Range.Text gives what a cell shows,
// and "if the contents of the cell is wider than the width available for display, the Text property will
// modify the displayed value" (Range.Text property, Excel VBA reference,
// https://learn.microsoft.com/office/vba/api/excel.range.text): a General number loses digits or becomes "#"
// signs, whatever its format no number is known to show alike at every width. Within one column and one
// number format, the width available and the width a text takes still differ from cell to cell by merged
// areas, indents, shrinking, orientation, wrapping, fonts, centring across a selection and conditional
// formats; so a rectangle counts as alike only where each of those reads one setting for all its cells.
#pragma once

#include <optional>
#include <string>

#include "sheet/Range.h"

namespace blocks {

// The calls CommonLook makes at most.
constexpr long kCommonLookCalls = 14;

struct Look {
    // The settings read, as one text: equal for rectangles drawn alike.
    std::wstring settings;
    // False when the rectangle's columns differ in width: its settings then hold within it only.
    bool widthKnown = false;
};

// How every cell of `cells` is drawn, when they all are drawn alike: no merged area, no conditional format,
// one alignment (not centred across a selection), one font name, size, boldness and slant, one indent,
// shrinking, orientation and wrapping. Nothing when some setting differs; reading stops there.
std::optional<Look> CommonLook(const sheet::Range& cells);

}  // namespace blocks
