// What one cell holds, as far as putting it back needs: nothing, a constant with its type, or a formula's text.
// Pure: made from what Range.Value, Value2 and Formula gave, and turned back into what Range.Value takes.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace blocks {

enum class ContentKind : unsigned char { Empty, Text, Number, Date, Boolean, Error, Formula };

struct CellContent {
    ContentKind kind = ContentKind::Empty;
    // Number: the value; Date: the OLE date; Boolean: 0 or 1; Error: the SCODE of the error value.
    double number = 0;
    // Text: the text; Formula: the formula as Range.Formula gives it.
    std::wstring text;

    static CellContent Empty() { return {}; }
    static CellContent Text(std::wstring_view text) { return {ContentKind::Text, 0, std::wstring(text)}; }
    static CellContent Formula(std::wstring_view formula) { return {ContentKind::Formula, 0, std::wstring(formula)}; }

    friend bool operator==(const CellContent& a, const CellContent& b) {
        return a.kind == b.kind && a.number == b.number && a.text == b.text;
    }
    friend bool operator!=(const CellContent& a, const CellContent& b) { return !(a == b); }
};

// What a run left in a cell, as much as telling later whether the cell still holds it needs: a constant's kind
// and number, a text's or a formula's 64-bit hash in place of the text (half the bytes of a record of texts).
struct ContentLeft {
    ContentKind kind = ContentKind::Empty;
    double number = 0;
    std::uint64_t hash = 0;

    static ContentLeft Of(const CellContent& content);
    friend bool operator==(const ContentLeft& a, const ContentLeft& b) {
        return a.kind == b.kind && a.number == b.number && a.hash == b.hash;
    }
    friend bool operator!=(const ContentLeft& a, const ContentLeft& b) { return !(a == b); }
};

// A constant as Range.Value gave it. A currency amount (VT_CY, four decimals) takes its exact number from
// `value2`, the cell's Range.Value2; so does anything Value gives that is no cell value of Excel's.
CellContent ConstantOf(const VARIANT& value, const VARIANT& value2);
// The same into a content whose text buffer is used again: no allocation a cell once it has grown.
void ConstantInto(const VARIANT& value, const VARIANT& value2, CellContent& into);

// What a cell holds after Range.Value was given `written`, read as Excel reads a typed entry that the tools
// make: "" empties the cell, a leading apostrophe keeps the rest as text.
CellContent ContentWritten(const VARIANT& written);

// True when Range.Value gives `value` for a cell holding `content` that is no formula.
bool ValueShows(const VARIANT& value, const CellContent& content);
bool ValueShows(const VARIANT& value, const ContentLeft& left);

// True when a constant needs its Value2 to be kept exactly.
inline bool NeedsValue2(const VARIANT& value) { return value.vt == VT_CY; }

}  // namespace blocks
